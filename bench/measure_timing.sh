#!/usr/bin/env bash
# The show's timeline on the real clock over one whole cycle (about 390 s), in a real window
# under Xvfb with openbox: lateness of the landings, the pauses, the countdown and the slides,
# and the drift of the whole cycle against the nominal one.
#   bench/measure_timing.sh [build dir] [runs]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build/release}
runs=${2:-1}
source "$here/x_session.sh"
x_session_start
for run in $(seq "$runs"); do
    echo "== run $run"
    "$build/bench/timing_probe" 2>/dev/null
done
