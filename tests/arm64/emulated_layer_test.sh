#!/usr/bin/env bash
# Runs one test layer of the arm64 cross build, every test program started through qemu
# (CMake's cross-compiling emulator, set by cmake/toolchains/aarch64-linux-gnu.cmake).
#   emulated_layer_test.sh <ctest> <arm64 build folder> <layer>
# Exits 77 (skipped) when there is no arm64 build.
set -u
ctest=$1
build=$2
layer=$3
if [[ ! -f $build/CTestTestfile.cmake ]]; then
    echo "no arm64 build in $build: scripts/setup.sh tests (or cmake --preset arm64 &&" \
        "cmake --build --preset arm64) makes it"
    exit 77
fi
# The cross build writes emulated/pelora only when its programs run through an emulator.
if [[ ! -x $build/emulated/pelora ]]; then
    echo "FAIL: $build is not a cross build whose programs run through an emulator here"
    exit 1
fi
echo "arm64 $layer tests, each program run as: $(sed -n 's/^exec //p' "$build/emulated/pelora")"
"$ctest" --test-dir "$build" --label-regex "^$layer\$" --output-on-failure \
    --no-tests=error --parallel "$(nproc)"
