#!/usr/bin/env bash
# The show's CPU during flights and spins against the floor (disc_floor, a bare window moving one
# 84-pixel disc every 10 ms), side by side in one X session at one display scale: each run
# measures the floor for 20 s, then each program for its first 62 s (about seven balls), in turn,
# so that the machine's mood falls on all of them alike. Prints each run, then the medians and
# the show's ratios to the floor. Further programs (an older build, say) are measured the same
# way, for before-and-after figures from one session.
#   bench/measure_cpu_vs_floor.sh [build dir] [Xft.dpi, 96] [runs, 5] [other program ...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build/release}
dpi=${2:-96}
runs=${3:-5}
programs=("$build/app/pelora" "${@:4}")
source "$here/x_session.sh"
source "$here/cpu_sampling.sh"
x_session_start
xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi"
work=$(mktemp -d)
results="$work/results"

measure() {
    local log=$1 seconds=$2 start pid
    shift 2
    start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 &
    pid=$!
    cpu_sample_until "$pid" "$start" "$seconds" "$log"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

for run in $(seq "$runs"); do
    measure "$work/floor$run.log" 22 "$build/bench/disc_floor" 30
    floor=$(awk -v hz="$(getconf CLK_TCK)" '$1 >= 2 && !a { a = $1; u = $2 } { t = $1; v = $2 }
        END { printf "%.2f", 100 * (v - u) / hz / (t - a) }' "$work/floor$run.log")
    echo "run $run floor $floor" | tee -a "$results"
    for i in "${!programs[@]}"; do
        measure "$work/show$run-$i.log" 62 "${programs[$i]}"
        cpu_show_stretches "$work/show$run-$i.log" 3 62 >"$work/show$run-$i.txt"
        awk -v run="$run" -v i="$i" '/^flights:/ { f = $5 } /^spins:/ { s = $5 }
            END { printf "run %d program%d flights %s spins %s\n", run, i, f, s }' \
            "$work/show$run-$i.txt" | tee -a "$results"
    done
done

echo "== medians at Xft.dpi $dpi over $runs runs"
awk -v n="${#programs[@]}" '
    function median(list,   k, i, j, x, v) {
        k = split(list, v, " ")
        for (i = 2; i <= k; i++) { x = v[i]; for (j = i - 1; j >= 1 && v[j] > x; j--) v[j + 1] = v[j]
                                   v[j + 1] = x }
        return k % 2 ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2
    }
    $3 == "floor" { floor = floor " " $4 }
    $3 ~ /^program/ { i = substr($3, 8); fl[i] = fl[i] " " $5; sp[i] = sp[i] " " $7 }
    END {
        f = median(floor); printf "floor: %.2f %% of a core\n", f
        for (i = 0; i < n; i++)
            printf "program %d: flights %.2f %% (%.2f x the floor), spins %.2f %% (%.2f x)\n", i,
                   median(fl[i]), median(fl[i]) / f, median(sp[i]), median(sp[i]) / f
    }' "$results"
echo "program 0 is ${programs[0]}"
for i in $(seq 1 $((${#programs[@]} - 1))); do echo "program $i is ${programs[$i]}"; done
rm -rf "$work"
