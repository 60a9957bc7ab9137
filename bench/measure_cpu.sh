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
source "$here/cpu_sampling.sh"
x_session_start
work=$(mktemp -d)
# Screenshots of the rest, for looking at what was measured.
shots=${PELORA_SHOTS:-/tmp/pelora-cpu}
mkdir -p "$shots"
# Shows the screen's top 630 pixels (all but the footer, where the countdown runs) as a checksum.
screen_sum() {
    import -window root -crop 1280x630+0+0 rgb:- 2>/dev/null | md5sum | cut -c1-12
}

run_once() {
    local log=$1 start pid
    start=$EPOCHREALTIME
    "$program" >/dev/null 2>&1 &
    pid=$!
    cpu_sample_until "$pid" "$start" 140 "$log"
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

for run in $(seq "$runs"); do
    echo "== run $run"
    run_once "$work/run$run.log"
    cpu_show_stretches "$work/run$run.log" 3 100 110 140
done
rm -rf "$work"
