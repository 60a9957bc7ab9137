#!/usr/bin/env bash
# Builds Pelora (installing what is missing) and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
ctest --preset release "$@"
