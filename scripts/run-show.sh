#!/usr/bin/env bash
# Builds Pelora (installing what is missing) and starts the show.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
exec "$root/build/release/app/pelora" "$@"
