#!/usr/bin/env bash
# CPack makes from the current build tree a Debian package that installs the program under /usr
# owned by root, hardened, whose dependencies are the run-time Qt libraries, never a -dev package,
# and on which lintian finds neither an error, nor a warning, nor a lack of hardening.
# A build under AddressSanitizer has no checked functions (the sanitizer checks those calls
# itself), so there `fortified` is OFF and only their lack is let through.
# The package is for this machine's architecture, or for the one named (a cross build's).
#   debian_package_test.sh <cpack> <CPackConfig.cmake> <committed icon.png> [fortified: ON|OFF]
#                          [architecture]
set -u
cpack=$1
config=$2
icon_source=$3
fortified=${4:-ON}
architecture=${5:-$(dpkg --print-architecture)}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Made under a umask that lets the group write, which must not reach the package.
if ! log=$(umask 0002 && "$cpack" -G DEB --config "$config" -B "$work/out" 2>&1); then
    printf 'FAIL: cpack failed:\n%s\n' "$log"
    exit 1
fi
package=$work/out/pelora_1.0.0_${architecture}.deb
if [[ ! -f $package ]]; then
    echo "FAIL: no pelora_1.0.0_${architecture}.deb; cpack made: $(ls "$work/out")"
    exit 1
fi

# The ar archive's members as dpkg-deb writes them: root's, mode 644, in Debian's order.
members=$(ar tv "$package" | awk '{ print $1, $2, $NF }' | tr '\n' ' ')
expected_members="rw-r--r-- 0/0 debian-binary rw-r--r-- 0/0 control.tar.gz rw-r--r-- 0/0 data.tar.gz "
[[ $members == "$expected_members" ]] || fail "the archive's members are not as dpkg-deb writes them: $members"

field() { dpkg-deb -f "$package" "$1"; }
for expected in "Package=pelora" "Version=1.0.0" "Architecture=$architecture" "Section=games"; do
    name=${expected%%=*}
    value=$(field "$name")
    [[ $value == "${expected#*=}" ]] || fail "$name is '$value', not '${expected#*=}'"
done
maintainer_pattern='^[^<]+ <[^@>]+@[^>]+>$'
[[ $(field Maintainer) =~ $maintainer_pattern ]] || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"

# Depends as one package name per line, version constraints and alternatives dropped.
depends=$(field Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/^ *//; s/ *$//' | grep -v '^$')
for library in libqt6widgets6 libqt6gui6; do
    grep -qx "$library" <<<"$names" || fail "Depends does not name $library: $depends"
done
if grep -q -- '-dev$' <<<"$names"; then
    fail "Depends names a development package: $depends"
fi

# The screen of its own's tools are recommended: apt installs them with the package by default,
# the show and its user service run without them.
recommends=$(field Recommends)
recommended=$(tr ',|' '\n\n' <<<"$recommends" | sed 's/(.*)//; s/^ *//; s/ *$//' | grep -v '^$')
for tool in x11-xserver-utils unclutter-xfixes; do
    grep -qx "$tool" <<<"$recommended" || fail "Recommends does not name $tool: $recommends"
done

# Every entry is root's; the program and the session's command are the only executable files.
while read -r mode owner _ _ _ path; do
    [[ $owner == root/root ]] || fail "$path is owned by $owner"
    case $mode in
    d*) [[ $mode == drwxr-xr-x ]] || fail "folder $path has mode $mode" ;;
    *) expected_mode=-rw-r--r--
        [[ $path == ./usr/games/pelora || $path == ./usr/libexec/pelora/pelora-session ]] &&
            expected_mode=-rwxr-xr-x
        [[ $mode == "$expected_mode" ]] || fail "$path has mode $mode, not $expected_mode" ;;
    esac
done < <(dpkg-deb -c "$package")

# The user service is installed, not enabled: no maintainer script turns it on.
scripts=$(dpkg-deb --ctrl-tarfile "$package" | tar -t | sed 's|^\./||' | grep -Ev '^(control|md5sums|)$')
[[ -z $scripts ]] || fail "the package has maintainer scripts: $scripts"

root=$work/root
dpkg-deb -x "$package" "$root"
top=$(ls -A "$root")
[[ $top == usr ]] || fail "the package installs outside /usr: $top"
file -b "$root/usr/games/pelora" | grep -q ', stripped' || fail "the packaged program is not stripped"
# The program is built for the package's architecture.
machine=$(readelf -hW "$root/usr/games/pelora" | sed -n 's/^ *Machine: *//p')
case $architecture in
amd64) expected_machine="Advanced Micro Devices X86-64" ;;
arm64) expected_machine=AArch64 ;;
*) expected_machine=$machine ;;
esac
[[ $machine == "$expected_machine" ]] ||
    fail "the program is built for $machine, not for $architecture ($expected_machine)"
bash "$here/check_installed_tree.sh" "$root/usr" "$icon_source" /usr || failures=$((failures + 1))

hardening_check=(bash "$here/check_hardening.sh" "$root/usr/games/pelora")
[[ $fortified == ON ]] || hardening_check+=(--unfortified)
"${hardening_check[@]}" || failures=$((failures + 1))

# lintian, as a Debian packager runs it; every line it prints is shown, errors and warnings fail,
# and so does any remark that the program lacks some hardening, whatever its level.
report=$(lintian --no-cfg --display-info "$package" 2>&1)
echo "lintian: ${report:-no remark}"
if grep -Eq '^[EW]: ' <<<"$report"; then
    fail "lintian reports errors or warnings"
fi
unhardened=$(grep -o ' hardening-[a-z-]*' <<<"$report" | sort -u)
[[ $fortified == ON ]] || unhardened=$(grep -v ' hardening-no-fortify-functions$' <<<"$unhardened")
if [[ -n $unhardened ]]; then
    fail "lintian finds the program not hardened: $(tr -d '\n' <<<"$unhardened")"
fi

((failures == 0)) && echo "$(basename "$package"): $(stat -c %s "$package") bytes; Depends: $depends"
exit $((failures > 0))
