#!/usr/bin/env bash
# Checks that an installed program carries the hardening Debian builds with, read off the ELF file
# (which works on a stripped program too): a position-independent executable, the relocations
# read-only after start-up with every symbol bound then (full RELRO), stack protector canaries,
# and the checked string and memory functions of _FORTIFY_SOURCE.
# --unfortified lets the checked functions be missing (a build under AddressSanitizer).
#   check_hardening.sh <program> [--unfortified]
set -u
program=$1
fortified=yes
[[ ${2:-} == --unfortified ]] && fortified=no
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

header=$(readelf -hW "$program" 2>&1) || {
    echo "FAIL: readelf cannot read $program: $header"
    exit 1
}
dynamic=$(readelf -dW "$program")
segments=$(readelf -lW "$program")
symbols=$(readelf --dyn-syms -W "$program")

grep -Eq '^ *Type: +DYN ' <<<"$header" && grep -Eq '\(FLAGS_1\).* PIE' <<<"$dynamic" ||
    fail "$program is not a position-independent executable"
grep -q GNU_RELRO <<<"$segments" || fail "$program has no read-only relocations (RELRO)"
grep -Eq '\(BIND_NOW\)|\(FLAGS_1\).* NOW|\(FLAGS\).* BIND_NOW' <<<"$dynamic" ||
    fail "$program binds its symbols lazily (no BIND_NOW)"
grep -q ' __stack_chk_fail' <<<"$symbols" || fail "$program has no stack protector"
checked=$(grep -Eo ' __[a-z0-9_]+_chk(@|$)' <<<"$symbols" | tr -d ' @' | sort -u | tr '\n' ' ')
[[ -n $checked || $fortified == no ]] || fail "$program calls no checked function (_FORTIFY_SOURCE)"

((failures == 0)) && echo "$(basename "$program"): PIE, full RELRO, stack protector, fortified (${checked:-not asked})"
exit $((failures > 0))
