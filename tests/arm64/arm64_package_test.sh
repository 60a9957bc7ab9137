#!/usr/bin/env bash
# The arm64 Debian package made by CPack from the arm64 cross build: the same checks as the
# machine's own package (files, rights, dependencies read off the arm64 libraries, lintian, the
# program's hardening), for an arm64 program.
#   arm64_package_test.sh <cpack> <arm64 build folder> <committed icon.png>
# Exits 77 (skipped) when there is no arm64 build.
set -u
cpack=$1
build=$2
icon_source=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [[ ! -f $build/CPackConfig.cmake ]]; then
    echo "no arm64 build in $build: scripts/setup.sh tests (or cmake --preset arm64 &&" \
        "cmake --build --preset arm64) makes it"
    exit 77
fi
exec bash "$here/../packaging/debian_package_test.sh" "$cpack" "$build/CPackConfig.cmake" \
    "$icon_source" ON arm64
