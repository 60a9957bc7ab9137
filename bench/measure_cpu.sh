#!/usr/bin/env bash
# CPU of the built program in a real window under Xvfb with openbox: during the draw, split into
# flights, spins and quiet pauses, and during the rest with the recap panel in (RecapShown), where
# nothing moves and no frame timer may run. Samples /proc/<pid>/stat (utime + stime, all threads)
# and the context switches every 100 ms; a 100 ms sample with 5 or more switches is one where the
# 10 ms frame timer runs. The first part of each moving stretch is the flight, its last 3 s the
# landed tile's spin.
#   bench/measure_cpu.sh [build dir] [runs]     (screenshots of the rest go to $PELORA_SHOTS,
#                                               /tmp/pelora-cpu by default)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build/release}
runs=${2:-1}
program="$build/app/pelora"
source "$here/x_session.sh"
x_session_start
work=$(mktemp -d)
# Screenshots of the rest, for looking at what was measured.
shots=${PELORA_SHOTS:-/tmp/pelora-cpu}
mkdir -p "$shots"
ticks_per_second=$(getconf CLK_TCK)

# One line: seconds since start, utime + stime in ticks, context switches.
sample() {
    local pid=$1 start=$2 stat switches
    stat=$(<"/proc/$pid/stat")
    stat=${stat##*) }
    read -r -a fields <<<"$stat"
    switches=$(awk '/ctxt_switches/ { n += $2 } END { print n }' "/proc/$pid/status")
    echo "$(awk -v now="$EPOCHREALTIME" -v s="$start" 'BEGIN { printf "%.3f", now - s }') \
$((fields[11] + fields[12])) $switches"
}

# Shows the screen's top 630 pixels (all but the footer, where the countdown runs) as a checksum.
screen_sum() {
    import -window root -crop 1280x630+0+0 rgb:- 2>/dev/null | md5sum | cut -c1-12
}

run_once() {
    local log=$1 start pid
    start=$EPOCHREALTIME
    "$program" >/dev/null 2>&1 &
    pid=$!
    while (($(awk -v now="$EPOCHREALTIME" -v s="$start" 'BEGIN { print (now - s < 140) }'))); do
        sample "$pid" "$start" >>"$log"
        sleep 0.1
    done
    local first last
    import -window root "$shots/rest-run$run.png" 2>/dev/null || true
    first=$(screen_sum)
    sleep 10
    last=$(screen_sum)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "screen above the footer at 140 s and 150 s: $first $last ($([[ $first == "$last" ]] &&
        echo unchanged || echo CHANGED))"
}

analyse() {
    awk -v hz="$ticks_per_second" '
        NR > 1 {
            dt = $1 - t; cpu = ($2 - u) / hz; sw = $3 - c
            moving = sw >= 5
            if ($1 > 3 && $1 < 100) {
                if (moving) { seg_t[nseg] += dt; seg_cpu[nseg, ++seg_n[nseg]] = cpu;
                              seg_dt[nseg, seg_n[nseg]] = dt }
                else { if (seg_n[nseg] > 0) nseg++; quiet_t += dt; quiet_cpu += cpu }
            }
            if ($1 >= 110 && $1 <= 140) { rest_t += dt; rest_cpu += cpu; rest_sw += sw }
        }
        { t = $1; u = $2; c = $3 }
        END {
            for (s = 0; s <= nseg; s++) {
                if (seg_n[s] == 0) continue
                spin_from = seg_t[s] - 3.0; at = 0
                for (i = 1; i <= seg_n[s]; i++) {
                    if (at < spin_from) { fl_t += seg_dt[s, i]; fl_cpu += seg_cpu[s, i] }
                    else { sp_t += seg_dt[s, i]; sp_cpu += seg_cpu[s, i] }
                    at += seg_dt[s, i]
                }
                segments++
            }
            printf "moving stretches during the draw: %d\n", segments
            printf "flights: %5.1f s, CPU %5.2f %% of a core\n", fl_t, 100 * fl_cpu / fl_t
            printf "spins:   %5.1f s, CPU %5.2f %% of a core\n", sp_t, 100 * sp_cpu / sp_t
            printf "pauses:  %5.1f s, CPU %5.2f %% of a core\n", quiet_t, 100 * quiet_cpu / quiet_t
            printf "rest (recap panel in, 110 s to 140 s): %.1f s, CPU %.3f %% of a core, " \
                   "%d context switches (%.1f a second)\n",
                   rest_t, 100 * rest_cpu / rest_t, rest_sw, rest_sw / rest_t
        }' "$1"
}

for run in $(seq "$runs"); do
    echo "== run $run"
    run_once "$work/run$run.log"
    analyse "$work/run$run.log"
done
rm -rf "$work"
