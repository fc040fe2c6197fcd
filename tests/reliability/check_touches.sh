#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the program (offscreen, and on X with and without a session bus) and a short session on its
# window under strace. Fails on any program run, any network socket
# and on any file opened for writing (or created, renamed, removed) other than what the toolkit and
# the font library keep for themselves.
# usage: check_touches.sh PROGRAM SESSION_DRIVER
set -eu

if ! command -v strace >/dev/null 2>&1; then
    echo "SKIPPED: strace is not installed (scripts/install-dependencies installs it)"
    exit 77
fi
program=$1
driver=$2
work=$(mktemp -d)
traces=$work/traces
mkdir "$traces" "$work/runtime"
pids=
trap 'kill $pids 2>/dev/null; rm -rf "$work"' EXIT

export QT_QPA_PLATFORM=offscreen
# LeakSanitizer cannot stop the world under a tracer; every other test checks for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

calls=execve,execveat,socket,connect,open,openat,openat2,creat,truncate,rename,renameat,renameat2,link,linkat,symlink,symlinkat,unlink,unlinkat,mkdir,mkdirat
# The program takes no command line and runs until closed: it is ended after a few seconds.
run_program() {
    name=$1
    shift
    env "$@" strace -f -ff -qq -e trace=$calls -o "$traces/$name" timeout -s TERM 3 "$program" || true
}
strace -f -ff -qq -e trace=$calls -o "$traces/session" "$driver"
run_program offscreen
grep -q 'libqoffscreen' "$traces"/offscreen.* || { echo "FAILED: the program did not start"; exit 1; }

# On an X server of its own, with no session bus and then with one: neither starts a bus.
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids="$pids $!"
while [ ! -s "$work/display" ]; do sleep 0.1; done
display=:$(cat "$work/display")
run_program x11-no-bus -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime"
bus=$(dbus-daemon --session --fork --nopidfile --address="unix:path=$work/bus" --print-address=1 --print-pid=1)
pids="$pids $(echo "$bus" | sed -n 2p)"
run_program x11-bus QT_QPA_PLATFORM=xcb DISPLAY="$display" DBUS_SESSION_BUS_ADDRESS="$(echo "$bus" | sed -n 1p)"
for name in x11-no-bus x11-bus; do
    grep -q 'libqxcb' "$traces"/$name.* || { echo "FAILED: the program did not start on X ($name)"; exit 1; }
done
grep -q "connect(.*$work/bus" "$traces"/x11-bus.* || { echo "FAILED: the program did not join the session bus"; exit 1; }

# Paths the toolkit and the font library may write, each with its reason:
#   */fontconfig/*     fontconfig's cache of the installed fonts, rebuilt when stale, and its lock files
#   /tmp/runtime-*     Qt's stand-in for XDG_RUNTIME_DIR when none is set, created for the session
#   $work/runtime      the XDG_RUNTIME_DIR given on X, which Qt makes sure exists
allowed="^(.*/fontconfig/.*|/tmp/runtime-[^/]*|$work/runtime)\$"

execs=$(cat "$traces"/* | grep -E '^execve' | grep -v -E "^execve\\(\"($(command -v timeout)|$program|$driver)\"" || true)
network=$(cat "$traces"/* | grep -E '^(socket|connect)\((AF_INET|AF_INET6|\{sa_family=AF_INET)' || true)
writes=$(cat "$traces"/* \
    | grep -E '^((open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND)|(creat|truncate|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|mkdir|mkdirat)\()' \
    || true)
touched=$(printf '%s\n' "$writes" | grep -o '"[^"]*"' | tr -d '"' | sort -u | grep -v -E "$allowed" || true)

status=0
if [ -n "$execs" ]; then
    echo "FAILED: programs run:"
    printf '%s\n' "$execs"
    status=1
fi
if [ -n "$network" ]; then
    echo "FAILED: network sockets:"
    printf '%s\n' "$network"
    status=1
fi
if [ -n "$touched" ]; then
    echo "FAILED: files written, created, renamed or removed:"
    printf '%s\n' "$touched"
    printf '%s\n' "$writes"
    status=1
fi
[ $status -eq 0 ] && echo "no network socket; writes only to: $(printf '%s\n' "$writes" | grep -o '"[^"]*"' | tr -d '"' | sort -u | tr '\n' ' ')"
exit $status
