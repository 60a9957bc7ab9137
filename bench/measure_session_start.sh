#!/usr/bin/env bash
# Time from the start of the dedicated session's command (packaging/pelora-session.in, the copy
# written for this build) to the show's first painted frame, against the program started directly
# on the same kind of display: a bare Xvfb with no window manager, as the session runs. Each run
# has a display of its own. The frame is seen when the header's red reaches the screen where the
# centred window's corner is, read with `import` back to back (a read takes 20 to 60 ms, the
# resolution of the figures).
#   bench/measure_session_start.sh [build dir] [runs]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build/release}
runs=${2:-5}
session_command="$build/tests/e2e/pelora-session"
program="$build/app/pelora"
# The window, 1095 x 684, centred on 1280 x 800; a pixel of its header, inside the banner's margin.
probe_at=+94+60
header_red='#9F3131'

elapsed_since() {
    awk -v now="$EPOCHREALTIME" -v s="$1" 'BEGIN { printf "%.3f", now - s }'
}

one_run() {
    local kind=$1 fifo display server started child seen=""
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    server=$!
    read -r -t 15 display <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display" QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
    unset WAYLAND_DISPLAY XAUTHORITY
    started=$EPOCHREALTIME
    if [[ $kind == session ]]; then
        sh "$session_command" 2>/dev/null &
    else
        "$program" >/dev/null 2>&1 &
    fi
    child=$!
    for _ in $(seq 400); do
        if import -window root -crop "1x1$probe_at" -depth 8 txt:- 2>/dev/null | grep -qi "$header_red"; then
            seen=$(elapsed_since "$started")
            break
        fi
    done
    kill "$child" 2>/dev/null || true
    wait "$child" 2>/dev/null || true
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    echo "${seen:-none}"
}

for kind in session program; do
    figures=()
    for _ in $(seq "$runs"); do
        figures+=("$(one_run "$kind")")
    done
    printf '%s: first frame after %s s; median %s s\n' "$kind" "${figures[*]}" \
        "$(printf '%s\n' "${figures[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')"
done
