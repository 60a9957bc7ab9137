#!/usr/bin/env bash
# Builds Pelora (installing only what building and running it need) and starts the show.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" show
exec "$root/build/show/app/pelora" "$@"
