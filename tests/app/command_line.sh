#!/bin/sh
# SPDX-License-Identifier: MIT
# The program's command line and its start without a display: each answer is printed and the
# program exits, with no window and no abort.
# usage: command_line.sh PROGRAM VERSION
set -u
program=$1
version=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0

# expect STATUS PATTERN COMMAND...: the exit status, and a pattern of what it prints on stdout and stderr
expect() {
    status=$1 pattern=$2
    shift 2
    timeout 20 "$@" >"$out" 2>"$err"
    actual=$?
    if [ $actual -ne "$status" ] || ! cat "$out" "$err" | grep -q -e "$pattern"; then
        echo "FAILED: $* exited with $actual, printing what follows (expected $status and /$pattern/):"
        cat "$out" "$err"
        failures=$((failures + 1))
    fi
}

expect 0 '^  -v, --version' "$program" --help
expect 0 "^quenmark $version\$" "$program" --version
expect 0 "^quenmark $version\$" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version
expect 1 "Unknown option 'bogus'" env QT_QPA_PLATFORM=offscreen "$program" --bogus

# Without a display: one line on stderr saying what is missing, nothing else, status 1.
for display in "" :65000; do
    expect 1 '^quenmark: needs a graphical display, but .*; start it in a desktop session' \
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program"
    wc -l <"$err" | grep -qx 1 && [ ! -s "$out" ] \
        || { echo "FAILED: more than one line without a display ($display):"; cat "$out" "$err"; failures=$((failures + 1)); }
done

[ $failures -eq 0 ] && echo "command line and start without a display: as expected"
exit $failures
