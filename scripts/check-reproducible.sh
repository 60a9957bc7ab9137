#!/usr/bin/env bash
# Proves that one commit always gives the same Debian package: makes two clean clones of the
# commit in two different folders, builds the package in each as a packager does (a plain
# Release configure without the tests, then cpack) and compares the two .deb files byte for byte.
# The second clone differs from the first in all that a build must not depend on: its path, its
# files' times, the umask (077, as root and hardened machines often have) and the time zone. On a
# difference it says what differs. lintian must find neither an error nor a warning in the package
# built under umask 077: its folders and files keep the modes Debian expects.
#   scripts/check-reproducible.sh [<repository> [<commit>]]   (default: this checkout's HEAD)
# Exits 0 when the packages are identical, 1 when they differ or a build fails, 77 when the
# repository is not a git checkout. Needs no network; takes two builds of the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
repository=${1:-$root}
if ! commit=$(git -C "$repository" rev-parse --verify "${2:-HEAD}^{commit}" 2>/dev/null); then
    echo "check-reproducible: $repository is not a git checkout with ${2:-HEAD}: nothing to compare"
    exit 77
fi
# The package takes its dates from the commit, never from a caller's SOURCE_DATE_EPOCH here.
unset SOURCE_DATE_EPOCH
epoch=$(git -C "$repository" log -1 --format=%ct "$commit")

work=$(mktemp -d "${TMPDIR:-/tmp}/pelora-reproducible.XXXXXX")
# Kept when the packages differ, for a closer look.
identical=false
trap '$identical && rm -rf "$work"' EXIT

# build_package <clone folder> <umask> <time zone> <files' time or "">: prints the .deb's path.
build_package() {
    local clone=$1 mask=$2 zone=$3 files_time=$4
    local log=$work/$(basename "$(dirname "$clone")").log
    git clone --quiet --no-checkout --no-hardlinks "$repository" "$clone"
    (umask "$mask" && git -C "$clone" checkout --quiet --detach "$commit")
    if [[ -n $files_time ]]; then
        find "$clone" -path "$clone/.git" -prune -o -exec touch -h -d "$files_time" {} +
    fi
    # Only what the package holds is built: the program, the icons and the compressed documents.
    if ! (
        umask "$mask" && export TZ=$zone &&
            cmake -S "$clone" -B "$clone/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
                -DBUILD_TESTING=OFF &&
            cmake --build "$clone/build" --parallel "$(nproc)" \
                --target pelora pelora_icons pelora_documents &&
            cd "$clone/build" && cpack -G DEB
    ) >"$log" 2>&1; then
        echo "FAIL: building the package in $clone failed:" >&2
        tail -n 40 "$log" >&2
        exit 1
    fi
    local packages=("$clone"/build/pelora_*.deb)
    [[ -f ${packages[0]} ]] || {
        echo "FAIL: no package in $clone/build" >&2
        exit 1
    }
    echo "${packages[0]}"
}

echo "check-reproducible: building the package of $commit twice (dates from $epoch)"
first=$(build_package "$work/one/pelora" 022 UTC "")
second=$(build_package "$work/second-build/checkout/pelora" 077 Pacific/Auckland "2001-02-03 04:05:06")

failures=0
for package in "$first" "$second"; do
    echo "  $(sha256sum "$package" | cut -d' ' -f1)  ${package#"$work"/}"
    # Every archive member and every file is dated from the commit.
    stamp=$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M')
    other=$(dpkg-deb --fsys-tarfile "$package" | TZ=UTC tar -tv | grep -vF " $stamp " || true)
    if [[ -n $other ]]; then
        echo "FAIL: files not dated from the commit ($stamp UTC) in ${package#"$work"/}:"
        echo "$other"
        failures=$((failures + 1))
    fi
done

report=$(lintian --no-cfg "$second" 2>&1)
if grep -Eq '^[EW]: ' <<<"$report"; then
    echo "FAIL: lintian on the package built under umask 077:"
    echo "$report"
    failures=$((failures + 1))
fi

if cmp -s "$first" "$second"; then
    identical=true
    ((failures == 0)) && echo "reproducible: the two packages are byte-identical"
    exit $((failures > 0))
fi

echo "FAIL: the two packages differ; both builds are kept in $work"
if command -v diffoscope >/dev/null; then
    diffoscope --text - "$first" "$second" | head -n 200 || true
    exit 1
fi
# Without diffoscope: the archive members, the file lists with their metadata, then each file.
for package in "$first" "$second"; do
    folder=${package%.deb}.contents
    mkdir -p "$folder/ar" "$folder/control"
    (cd "$folder/ar" && ar x "$package")
    dpkg-deb -e "$package" "$folder/control"
    dpkg-deb -x "$package" "$folder/files"
    dpkg-deb -c "$package" >"$folder/listing"
done
a=${first%.deb}.contents
b=${second%.deb}.contents
for member in "$a"/ar/*; do
    cmp "$member" "$b/ar/$(basename "$member")" || true
done
diff "$a/listing" "$b/listing" || true
diff -r "$a/control" "$b/control" || true
diff -rq "$a/files" "$b/files" || true
program=usr/games/pelora
if ! cmp -s "$a/files/$program" "$b/files/$program"; then
    echo "the program's sections whose bytes differ:"
    diff <(readelf -SW "$a/files/$program") <(readelf -SW "$b/files/$program") || true
    diff <(readelf -nW "$a/files/$program") <(readelf -nW "$b/files/$program") || true
fi
exit 1
