#!/usr/bin/env bash
# Fails, naming the files, when clang-format with the project's .clang-format would change a
# committed C++ source file.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h' '*.cpp.in')
changed=()
for source in "${sources[@]}"; do
    if ! clang-format --dry-run --Werror "$source" >/dev/null 2>&1; then
        changed+=("$source")
    fi
done
if ((${#changed[@]} > 0)); then
    echo "clang-format would change: ${changed[*]}"
    echo "run: clang-format -i ${changed[*]}"
    exit 1
fi
echo "formatting: ${#sources[@]} files as clang-format leaves them"
