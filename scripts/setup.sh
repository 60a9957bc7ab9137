#!/usr/bin/env bash
# Brings a Debian 12 machine to where Pelora builds, runs and is tested: installs the packages
# that are missing (only those), then configures and builds the optimised build.
# Quick and harmless when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config     # the build
    qt6-base-dev libgl-dev               # the window, painting, text, timers (Qt 6)
    libfontconfig-dev                    # fontconfig started beside Qt's start-up
    fonts-open-sans                      # the bundled face, embedded at build time
    libgtest-dev libgmock-dev            # unit and whole-show tests
    libbenchmark-dev                     # benchmarks
    xvfb openbox xdotool x11-utils wmctrl   # end-to-end tests in a real window
    imagemagick tesseract-ocr tesseract-ocr-fra   # screenshots and reading text off them
    dpkg-dev desktop-file-utils file     # the Debian package: its dependencies, its checks
    clang-format
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Pelora: installing ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release
