#!/usr/bin/env bash
# Builds Pelora with its tests (installing what is missing, test tools included) and runs every
# test. Arguments go to ctest: `scripts/run-tests.sh -L unit` runs one layer.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" tests
cd "$root"
ctest --preset release "$@"
