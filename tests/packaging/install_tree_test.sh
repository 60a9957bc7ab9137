#!/usr/bin/env bash
# `cmake --install <build> --prefix <folder>` lays out the program, its desktop entry and icons
# the way a desktop expects.
#   install_tree_test.sh <cmake> <build folder> <committed icon.png>
set -u
cmake=$1
build=$2
icon_source=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

if ! log=$("$cmake" --install "$build" --prefix "$prefix" 2>&1); then
    printf 'FAIL: cmake --install failed:\n%s\n' "$log"
    exit 1
fi
bash "$here/check_installed_tree.sh" "$prefix" "$icon_source"
