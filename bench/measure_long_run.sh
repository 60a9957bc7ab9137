#!/usr/bin/env bash
# The show for hours in a real window (Xvfb with openbox), used as in a shop: the pointer moves now
# and then, and during some rests someone presses ">>" at a random moment. Every minute it records
# the program's resident memory, anonymous memory and heap, open files, threads, X resources held
# by its client (xrestop) and CPU; board_watch reads the landings off the screen. At the end it
# prints the growth per hour and per draw, and how the landings kept time from the first draw to
# the last.
#   bench/measure_long_run.sh [build dir] [minutes, 120 by default] [output folder]
# The output folder (a new temporary one by default) keeps samples.txt, watch.txt, actions.txt
# and summary.txt.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build/release}
minutes=${2:-120}
out=${3:-$(mktemp -d /tmp/pelora-long-run.XXXX)}
program="$build/app/pelora"
watcher="$build/bench/board_watch"
mkdir -p "$out"
for tool in xrestop xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || {
        echo "$tool is missing (apt-get install xrestop xdotool x11-utils)" >&2
        exit 1
    }
done
source "$here/x_session.sh"
x_session_start
ticks_per_second=$(getconf CLK_TCK)

"$program" >"$out/program.txt" 2>&1 &
pid=$!
x_session_pids+=("$pid")
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" --name '^Pelora' 2>/dev/null | head -1) || true
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || {
    echo "the show's window did not appear" >&2
    exit 1
}
sleep 1
info=$(xwininfo -id "$window")
client_x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
client_y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
read -r frame_left frame_right frame_top frame_bottom < <(
    xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ',')
"$watcher" "$client_x" "$client_y" "${frame_left:-0}" "${frame_right:-0}" "${frame_top:-0}" \
    "${frame_bottom:-0}" >"$out/watch.txt" 2>"$out/watch-errors.txt" &
x_session_pids+=($!)
start=$EPOCHREALTIME
client_base=$(printf '0x%x' $((window & ~0x1fffff)))

seconds_since() { awk -v now="$EPOCHREALTIME" -v s="$1" 'BEGIN { printf "%.3f", now - s }'; }

# seconds rss_kb anon_kb heap_kb fds threads cpu_ticks x_pixmaps x_pixmap_bytes x_windows x_gcs
# x_other_bytes load (the machine's load average over a minute)
sample() {
    local status heap fds threads stat cpu xres
    status=$(<"/proc/$pid/status")
    heap=$(awk '/\[heap\]/ { inheap = 1; next } /^[0-9a-f]+-/ { inheap = 0 }
                inheap && /^Rss:/ { kb += $2 } END { print kb + 0 }' "/proc/$pid/smaps")
    fds=$(find "/proc/$pid/fd" -mindepth 1 | wc -l)
    stat=$(<"/proc/$pid/stat")
    stat=${stat##*) }
    read -r -a fields <<<"$stat"
    cpu=$((fields[11] + fields[12]))
    # xrestop lists every X client; the show's is the one whose resource base holds its window.
    xres=$(xrestop -b -m 1 2>/dev/null | awk -v base="$client_base" '
        function flush() { if (rb == base) print p, b, w, g, o; rb = "" }
        /^[0-9]+ - / { flush() }
        /res_base/ { rb = $3 } /windows/ { w = $3 } /GCs/ { g = $3 } /pixmaps/ { p = $3 }
        /pixmap bytes/ { b = $4 } /other bytes/ { o = $4; sub("~", "", o) }
        END { flush() }')
    echo "$(seconds_since "$start") \
$(awk '/^VmRSS:/ { print $2 }' <<<"$status") \
$(awk '/^RssAnon:/ { print $2 }' <<<"$status") $heap $fds \
$(awk '/^Threads:/ { print $2 }' <<<"$status") $cpu ${xres:-? ? ? ? ?} $(cut -d' ' -f1 /proc/loadavg)"
}

click_next() {
    # The ">>" button: 50 x 34 at (1025, 642) in the client area.
    xdotool mousemove $((client_x + 1025 + RANDOM % 40 + 5)) $((client_y + 642 + RANDOM % 24 + 5)) \
        click 1
}

wander() {
    xdotool mousemove $((client_x + RANDOM % 1095)) $((client_y + RANDOM % 684))
}

echo "# seconds rss_kb anon_kb heap_kb fds threads cpu_ticks x_pixmaps x_pixmap_bytes" \
    "x_windows x_gcs x_other_bytes load" >"$out/samples.txt"
sample >>"$out/samples.txt"
end=$((SECONDS + minutes * 60))
next_sample=$((SECONDS + 60))
rest_seen=0
press_at=""
while ((SECONDS < end)); do
    sleep 1
    kill -0 "$pid" 2>/dev/null || {
        echo "the show stopped" >&2
        exit 1
    }
    if ((SECONDS >= next_sample)); then
        sample >>"$out/samples.txt"
        next_sample=$((next_sample + 60))
    fi
    # The pointer moves now and then, as people pass by and touch the mouse.
    if ((RANDOM % 30 == 0)); then
        wander
        echo "$(seconds_since "$start") pointer" >>"$out/actions.txt"
    fi
    # Every other rest, on average, someone presses ">>" at a random moment of it.
    rests=$(grep -c '^rest ' "$out/watch.txt" || true)
    if ((rests > rest_seen)); then
        rest_seen=$rests
        press_at=""
        ((RANDOM % 2 == 0)) && press_at=$((SECONDS + 5 + RANDOM % 270))
    fi
    if [[ -n $press_at ]] && ((SECONDS >= press_at)); then
        press_at=""
        if [[ $(tail -n 1 <(grep -E '^(rest|resumed) ' "$out/watch.txt")) == rest* ]]; then
            click_next
            echo "$(seconds_since "$start") next" >>"$out/actions.txt"
        fi
    fi
done
sample >>"$out/samples.txt"

bash "$here/long_run_summary.sh" "$out" "$ticks_per_second" | tee "$out/summary.txt"
