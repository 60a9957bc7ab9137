#!/usr/bin/env bash
# Checks an installed Pelora under one prefix (/usr in the package, any folder for cmake --install):
# exactly the program, its desktop entry and its icon at every theme size, each usable as such.
#   check_installed_tree.sh <prefix folder> <committed icon.png>
set -u
prefix=$1
icon_source=$2
icon_sizes=(16 24 32 48 64 128 256)
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expected_files() {
    echo bin/pelora
    echo share/applications/pelora.desktop
    for size in "${icon_sizes[@]}"; do
        echo "share/icons/hicolor/${size}x${size}/apps/pelora.png"
    done
}
actual=$(cd "$prefix" && find . -mindepth 1 ! -type d | sed 's|^\./||' | sort)
expected=$(expected_files | sort)
if [[ $actual != "$expected" ]]; then
    fail "installed files differ from the expected layout (< expected, > installed):"
    diff <(echo "$expected") <(echo "$actual")
fi

program=$prefix/bin/pelora
if [[ ! -x $program ]] || ! file -b "$program" | grep -Eq '^ELF .*executable'; then
    fail "bin/pelora is not an executable ELF program: $(file -b "$program" 2>&1)"
fi

entry=$prefix/share/applications/pelora.desktop
report=$(desktop-file-validate "$entry" 2>&1)
if [[ $? -ne 0 || -n $report ]]; then
    fail "desktop-file-validate: ${report:-non-zero status}"
fi
for line in "Type=Application" "Name=Pelora" "Exec=pelora" "Icon=pelora"; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks the line $line"
done

# The smaller icons are scaled at build time: each must show the same picture as the committed
# one, within what two smooth filters differ by (a crop, a nearest-pixel pick or dark fringes
# from unpremultiplied scaling all land well above 0.05).
reference_folder=$(mktemp -d)
trap 'rm -rf "$reference_folder"' EXIT
for size in "${icon_sizes[@]}"; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/pelora.png
    format=$(file -b "$icon")
    if [[ $format != "PNG image data, $size x $size, 8-bit/color RGBA"* ]]; then
        fail "the ${size}x${size} icon is not a $size x $size RGBA PNG: $format"
        continue
    fi
    if ((size == 256)); then
        cmp -s "$icon" "$icon_source" || fail "the 256x256 icon is not the committed icon"
        continue
    fi
    reference=$reference_folder/$size.png
    convert "$icon_source" -resize "${size}x${size}" "$reference"
    distance=$(compare -metric RMSE "$icon" "$reference" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
    if ! awk -v d="$distance" 'BEGIN { exit !(d != "" && d < 0.05) }'; then
        fail "the ${size}x${size} icon is not the committed icon scaled down (RMSE ${distance:-?})"
    fi
done

((failures == 0)) && echo "installed tree under $prefix: ${#icon_sizes[@]} icon sizes, all good"
exit $((failures > 0))
