#!/bin/sh
# Times each benchmark program under vbs and under Debian's lua5.4 and prints
# the ratio. Usage: compare_lua.sh BUILD_DIR   (needs lua5.4; perf if present)
# CPU time (best of five) is used rather than wall time so that a busy
# machine distorts the ratio less.
set -e
build=${1:-build}
dir=$(dirname "$0")/programs
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
command -v lua5.4 >/dev/null || { echo "lua5.4 is not installed"; exit 1; }
cpu() {  # CPU seconds of one run
    if command -v perf >/dev/null && perf stat -x, -e task-clock -o "$tmp" "$@" >/dev/null 2>&1; then
        grep task-clock "$tmp" | cut -d, -f1 | awk '{ print $1 / 1000 }'
    else
        /usr/bin/time -f "%U %S" -o "$tmp" "$@" >/dev/null 2>&1
        tail -n 1 "$tmp" | awk '{ print $1 + $2 }'
    fi
}
best() {
    b=999
    for _ in 1 2 3 4 5; do
        t=$(cpu "$@")
        b=$(echo "$t $b" | awk '{ print ($1 < $2) ? $1 : $2 }')
    done
    echo "$b"
}
printf "%-10s %10s %10s %8s\n" program vbs lua ratio
for p in fib loop strings sort methods; do
    v=$(best "$build/vbs" "$dir/$p.vbs")
    l=$(best lua5.4 "$dir/$p.lua")
    printf "%-10s %9.3fs %9.3fs %8.2f\n" "$p" "$v" "$l" "$(echo "$v $l" | awk '{ print $1 / $2 }')"
done
