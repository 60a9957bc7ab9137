#!/usr/bin/env bash
# Checks an installed Pelora under one prefix (/usr in the package, any folder for cmake --install):
# exactly the program, its desktop entry, its icon at every theme size, its AppStream data, its
# manual page, its systemd user service, its X session (entry and command), its copyright and
# changelog, each usable as such.
#   check_installed_tree.sh <prefix folder> <committed icon.png> [<prefix the tree is made for>]
# The last is where the files will stand once installed (/usr for a package unpacked elsewhere);
# by default the folder itself.
set -u
prefix=$(cd "$1" && pwd)
icon_source=$2
installed_prefix=${3:-$prefix}
icon_sizes=(16 24 32 48 64 128 256)
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

app_id=fr.pelora.Pelora
expected_files() {
    echo games/pelora
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo share/man/man6/pelora.6.gz
    echo lib/systemd/user/pelora.service
    echo share/xsessions/pelora.desktop
    echo libexec/pelora/pelora-session
    echo share/doc/pelora/copyright
    echo share/doc/pelora/changelog.gz
    for size in "${icon_sizes[@]}"; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
}
actual=$(cd "$prefix" && find . -mindepth 1 ! -type d | sed 's|^\./||' | sort)
expected=$(expected_files | sort)
if [[ $actual != "$expected" ]]; then
    fail "installed files differ from the expected layout (< expected, > installed):"
    diff <(echo "$expected") <(echo "$actual")
fi

program=$prefix/games/pelora
if [[ ! -x $program ]] || ! file -b "$program" | grep -Eq '^ELF .*executable'; then
    fail "games/pelora is not an executable ELF program: $(file -b "$program" 2>&1)"
fi

entry=$prefix/share/applications/$app_id.desktop
report=$(desktop-file-validate "$entry" 2>&1)
if [[ $? -ne 0 || -n $report ]]; then
    fail "desktop-file-validate: ${report:-non-zero status}"
fi
for line in "Type=Application" "Name=Pelora" "Exec=pelora" "Icon=$app_id"; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks the line $line"
done

# A software centre lists the program from its AppStream data, which must name the menu entry.
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if ! report=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    fail "appstreamcli validate: $report"
fi
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream data does not launch $app_id.desktop"
grep -qF "<id>$app_id</id>" "$metainfo" || fail "the AppStream id is not $app_id"

# The manual page renders without a complaint from man or groff.
manual=$prefix/share/man/man6/pelora.6.gz
if ! report=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >/dev/null) ||
    [[ -n $report ]]; then
    fail "man pelora(6): ${report:-non-zero status}"
fi
zcat "$manual" | grep -q '^\.SH EXIT STATUS' || fail "the manual page does not say how the show ends"

# The user service: part of the graphical session, restarted 5 s after a failure but not after the
# window is closed, and pointing at the installed program. systemd's own check reads it as it will
# stand once installed: a copy whose program path leads into this folder.
unit=$prefix/lib/systemd/user/pelora.service
for line in "PartOf=graphical-session.target" "After=graphical-session.target" \
    "ExecStart=$installed_prefix/games/pelora" "Restart=on-failure" "RestartSec=5" \
    "WantedBy=graphical-session.target"; do
    grep -qxF "$line" "$unit" || fail "the user service lacks the line $line"
done
unit_check=$(mktemp -d)
chmod 700 "$unit_check"
mkdir "$unit_check/unit"
sed "s|^ExecStart=$installed_prefix/|ExecStart=$prefix/|" "$unit" >"$unit_check/unit/pelora.service"
if ! report=$(XDG_RUNTIME_DIR=$unit_check MANPATH=$prefix/share/man \
    systemd-analyze --user verify "$unit_check/unit/pelora.service" 2>&1) || [[ -n $report ]]; then
    fail "systemd-analyze verify pelora.service: ${report:-non-zero status}"
fi
rm -rf "$unit_check"

# The screen of its own: a session entry that display managers list (valid, named in French) and
# whose command is the installed session script, which starts the installed program.
session_entry=$prefix/share/xsessions/pelora.desktop
session_command=$prefix/libexec/pelora/pelora-session
report=$(desktop-file-validate "$session_entry" 2>&1)
if [[ $? -ne 0 || -n $report ]]; then
    fail "desktop-file-validate on the session entry: ${report:-non-zero status}"
fi
for line in "Type=Application" "Name=Pelora — écran dédié" \
    "Exec=$installed_prefix/libexec/pelora/pelora-session" \
    "TryExec=$installed_prefix/libexec/pelora/pelora-session"; do
    grep -qxF "$line" "$session_entry" || fail "the session entry lacks the line $line"
done
[[ -x $session_command ]] || fail "the session command is not executable"
grep -qxF "program='$installed_prefix/games/pelora'" "$session_command" ||
    fail "the session command does not start $installed_prefix/games/pelora"
if ! report=$(sh -n "$session_command" 2>&1); then
    fail "the session command is not a valid shell script: $report"
fi

# The program and the font it embeds, each under its own licence.
copyright=$prefix/share/doc/pelora/copyright
for line in "License: Expat" "License: Apache-2.0" "Files: OpenSans-Bold.ttf"; do
    grep -qxF "$line" "$copyright" || fail "the copyright file lacks the line $line"
done
zcat "$prefix/share/doc/pelora/changelog.gz" | head -1 | grep -Eq '^pelora \([0-9.]+\) ' ||
    fail "the changelog does not start with a pelora entry"

# The smaller icons are scaled at build time: each must show the same picture as the committed
# one, within what two smooth filters differ by (a crop, a nearest-pixel pick or dark fringes
# from unpremultiplied scaling all land well above 0.05).
reference_folder=$(mktemp -d)
trap 'rm -rf "$reference_folder"' EXIT
for size in "${icon_sizes[@]}"; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
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
