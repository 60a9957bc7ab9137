#!/usr/bin/env bash
# Start-up time to the first painted frame and resident memory, the show against a bare Qt
# window, each run a separate process: under Xvfb with openbox, then on the offscreen platform.
#   bench/measure_startup.sh [build dir] [runs]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build/release}
runs=${2:-40}
probe="$build/bench/startup_probe"

echo "== Xvfb + openbox"
(
    source "$here/x_session.sh"
    x_session_start
    "$probe" --runs "$runs" --settle-ms 1000 2>/dev/null
)
echo "== offscreen"
QT_QPA_PLATFORM=offscreen "$probe" --runs "$runs" --settle-ms 1000 2>/dev/null
