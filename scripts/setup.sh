#!/usr/bin/env bash
# Brings a Debian 12 machine to where Pelora builds and runs, or builds and is tested: installs the
# packages that are missing (only those), then configures and builds.
#   setup.sh show    what building and running the show need; builds the program (build/show)
#   setup.sh tests   that and the test tools; builds everything with the tests (build/release),
#                    then the arm64 cross build (build/arm64), whose checks the tests run too
# Quick and harmless when everything is already there.
set -euo pipefail

mode=${1:-}
show_packages=(
    cmake ninja-build g++ pkg-config     # the build
    qt6-base-dev libgl-dev               # the window, painting, text, timers (Qt 6)
    libxcb1-dev                          # the window's frame asked of the X11 window manager
    libfontconfig-dev                    # fontconfig started beside Qt's start-up
    libxcb-screensaver0-dev              # the X saver held off while the show is on the screen
    fonts-open-sans                      # the bundled face, embedded at build time
)
test_packages=(
    libgtest-dev libgmock-dev            # unit and whole-show tests
    libbenchmark-dev                     # benchmarks
    xvfb openbox xdotool x11-utils wmctrl   # end-to-end tests in a real window
    xfwm4                                # placement under a second window manager
    kwin-x11                             # placement under a manager that cannot be asked for the
                                         # frame before the window shows, and frames no window
    weston xwayland qt6-wayland          # end-to-end tests on a Wayland desktop
    dbus-daemon x11-xserver-utils        # private session buses (xfwm4's settings, a stand-in
                                         # idle service), xset for the saver's timeout, xsetroot
                                         # for the dedicated session's screen
    unclutter-xfixes                     # the dedicated session's idle pointer hidden
    imagemagick tesseract-ocr tesseract-ocr-fra   # screenshots and reading text off them
    dpkg-dev desktop-file-utils file lintian appstream man-db   # the Debian package and its checks
    systemd                              # systemd-analyze verify of the user service
    clang-format                         # the formatting check
    xrestop                              # X resources in the long real-time run (bench/)
)
# The arm64 cross build and its checks: Debian's cross compiler, the arm64 libraries beside the
# machine's own (multiarch), and qemu's user mode to run the arm64 programs here.
arm64_packages=(
    crossbuild-essential-arm64           # the cross compiler and binutils (strip, objdump)
    qt6-base-dev:arm64 libgl-dev:arm64 libxcb1-dev:arm64 libfontconfig-dev:arm64
    libxcb-screensaver0-dev:arm64        # the show's libraries, for arm64
    libgtest-dev:arm64 libgmock-dev:arm64   # its unit and stage tests
    qemu-user-static                     # running them, and the show, under emulation
)
case $mode in
show) packages=("${show_packages[@]}") preset=show ;;
tests) packages=("${show_packages[@]}" "${test_packages[@]}" "${arm64_packages[@]}") preset=release ;;
*)
    echo "usage: $0 show|tests" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
# The arm64 packages are found only once dpkg knows the architecture (and apt has its lists).
if [[ $mode == tests ]] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
    echo "Pelora: adding the arm64 architecture for the cross build"
    "${sudo_cmd[@]}" dpkg --add-architecture arm64
fi

if ((${#missing[@]} > 0)); then
    echo "Pelora: installing ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
# The cross build runs the tools of the build just made (PELORA_HOST_TOOLS_DIR).
if [[ $mode == tests ]]; then
    cmake --preset arm64 >/dev/null
    cmake --build --preset arm64
fi
