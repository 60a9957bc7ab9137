#!/usr/bin/env bash
# Frame cost of the show window while something moves, at scale 1 and at scale 2
# (QT_SCALE_FACTOR=2): on the offscreen platform, then painting a real X window under Xvfb with
# openbox. Each benchmark is repeated and the median of the repetitions is kept; "median ms" is
# the median frame of a repetition. Under Xvfb only the whole repaint is measured: there the
# platform delivers the event loop's repaints a few milliseconds later, through a timer.
#   bench/measure_frames.sh [build dir] [repetitions]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build/release}
repetitions=${2:-5}
bench="$build/bench/show_bench"

# One line per benchmark: name, median frame, 90th percentile, paints per frame where counted.
summarise() {
    grep '_median' | awk '{
        name = $1; sub(/_median$/, "", name); line = sprintf("%-34s", name)
        for (i = 2; i <= NF; i++) if ($i ~ /^(median|p90)$/ || $i ~ /^paints=/) {
            if ($i ~ /^paints=/) line = line "  " $i; else line = line "  " $i " " $(i + 1)
        }
        print line
    }'
}

run() {
    "$bench" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
        "$@" 2>/dev/null | summarise
}

echo "== offscreen, scale 1 (images at scale 1 and 2)"
QT_QPA_PLATFORM=offscreen run
echo "== offscreen, QT_SCALE_FACTOR=2"
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 run --benchmark_filter='viewRepaint|eventLoopFrame'
source "$here/x_session.sh"
x_session_start
echo "== Xvfb + openbox, scale 1"
run --benchmark_filter='viewRepaint'
echo "== Xvfb + openbox, QT_SCALE_FACTOR=2"
QT_SCALE_FACTOR=2 run --benchmark_filter='viewRepaint'
