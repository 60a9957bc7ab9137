#!/usr/bin/env bash
# CPU of the floor program (disc_floor: a bare window moving one 84-pixel disc every 10 ms) in a
# real window under Xvfb with openbox, at the display scale that Xft.dpi gives (96 for scale 1,
# 192 for scale 2), measured as bench/measure_cpu.sh measures the show: utime + stime of all its
# threads from /proc, over the middle of the run.
#   bench/measure_floor_cpu.sh [build dir] [seconds, 20 by default] [Xft.dpi, 96 by default]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build/release}
seconds=${2:-20}
dpi=${3:-96}
source "$here/x_session.sh"
x_session_start
xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi"
hz=$(getconf CLK_TCK)

ticks() {
    local stat
    stat=$(<"/proc/$1/stat")
    stat=${stat##*) }
    read -r -a fields <<<"$stat"
    echo $((fields[11] + fields[12]))
}

"$build/bench/disc_floor" $((seconds + 4)) &
pid=$!
x_session_pids+=("$pid")
sleep 2
start=$EPOCHREALTIME
first=$(ticks "$pid")
sleep "$seconds"
last=$(ticks "$pid")
awk -v t="$(awk -v now="$EPOCHREALTIME" -v s="$start" 'BEGIN { print now - s }')" \
    -v cpu=$((last - first)) -v hz="$hz" -v dpi="$dpi" \
    'BEGIN { printf "disc floor at Xft.dpi %d: %.2f %% of a core over %.1f s\n", dpi,
             100 * cpu / hz / t, t }'
