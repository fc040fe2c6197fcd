#!/bin/sh
# Runs the program, and a short session on its window, under strace. Fails on any network socket
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
traces=$(mktemp -d)
trap 'rm -rf "$traces"' EXIT

export QT_QPA_PLATFORM=offscreen
# LeakSanitizer cannot stop the world under a tracer; every other test checks for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

calls=socket,connect,open,openat,openat2,creat,truncate,rename,renameat,renameat2,link,linkat,symlink,symlinkat,unlink,unlinkat,mkdir,mkdirat
strace -f -ff -qq -e trace=$calls -o "$traces/session" "$driver"
# The program takes no command line and runs until closed: it is ended after a few seconds.
strace -f -ff -qq -e trace=$calls -o "$traces/program" timeout -s TERM 3 "$program" || true
grep -q 'libqoffscreen' "$traces"/program.* || { echo "FAILED: the program did not start"; exit 1; }

# Paths the toolkit and the font library may write, each with its reason:
#   */fontconfig/*     fontconfig's cache of the installed fonts, rebuilt when stale, and its lock files
#   /tmp/runtime-*     Qt's stand-in for XDG_RUNTIME_DIR when none is set, created for the session
allowed='^(.*/fontconfig/.*|/tmp/runtime-[^/]*)$'

network=$(cat "$traces"/* | grep -E '^(socket|connect)\((AF_INET|AF_INET6|\{sa_family=AF_INET)' || true)
writes=$(cat "$traces"/* \
    | grep -E '^((open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND)|(creat|truncate|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|mkdir|mkdirat)\()' \
    || true)
touched=$(printf '%s\n' "$writes" | grep -o '"[^"]*"' | tr -d '"' | sort -u | grep -v -E "$allowed" || true)

status=0
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
