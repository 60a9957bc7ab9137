#!/usr/bin/env bash
# A packager's build: a plain configure of the source tree, tests off, with GoogleTest and Google
# Benchmark unfindable, builds and installs the program, hardened as in the project's presets; no
# warning is made an error there.
#   packager_build_test.sh <cmake> <source folder> <committed icon.png>
set -u
cmake=$1
source=$2
icon_source=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build=$work/build

step() {
    local name=$1
    shift
    if ! log=$("$@" 2>&1); then
        printf 'FAIL: %s failed:\n%s\n' "$name" "$log"
        exit 1
    fi
}

step configure "$cmake" -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
if grep -q -- '-Werror' "$build/compile_commands.json"; then
    fail "a plain configure makes warnings errors"
fi
if grep -Eq '^(pelora_test_support|show_bench|motion_bench)' <(
    "$cmake" --build "$build" --target help 2>/dev/null | sed 's/^\.\.\. //'); then
    fail "a configure without tests still builds test support or benchmarks"
fi

step build "$cmake" --build "$build" --parallel "$(nproc)"
step install "$cmake" --install "$build" --prefix "$work/prefix"
bash "$here/check_installed_tree.sh" "$work/prefix" "$icon_source" || failures=$((failures + 1))
bash "$here/check_hardening.sh" "$work/prefix/games/pelora" || failures=$((failures + 1))

((failures == 0)) && echo "configured, built and installed without tests or benchmarks"
exit $((failures > 0))
