#!/usr/bin/env bash
# Without a display the program says so in one French line and exits non-zero, with no trace
# from the toolkit.
set -u
program=$1
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
status=$?
lines=$(printf '%s\n' "$output" | wc -l)
if [[ $status -eq 0 ]]; then
    echo "exit status 0 without a display"; exit 1
fi
if [[ $lines -ne 1 || $output != "Pelora : aucun écran n'est disponible"* ]]; then
    printf 'expected one clear line, got %s lines:\n%s\n' "$lines" "$output"; exit 1
fi
echo "exit status $status: $output"
