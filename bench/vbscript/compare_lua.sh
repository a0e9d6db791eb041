#!/bin/sh
# Times each benchmark program under vbs and under Debian's lua5.4 and prints
# the ratio. Usage: compare_lua.sh BUILD_DIR   (needs lua5.4 installed)
set -e
build=${1:-build}
dir=$(dirname "$0")/programs
command -v lua5.4 >/dev/null || { echo "lua5.4 is not installed"; exit 1; }
best() {  # best wall time of three runs, in seconds
    b=999
    for _ in 1 2 3; do
        s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N)
        b=$(echo "$e - $s" | bc -l | awk -v b="$b" '{ print ($1 < b) ? $1 : b }')
    done
    echo "$b"
}
printf "%-10s %10s %10s %8s\n" program vbs lua ratio
for p in fib loop strings sort methods; do
    v=$(best "$build/vbs" "$dir/$p.vbs")
    l=$(best lua5.4 "$dir/$p.lua")
    printf "%-10s %9.3fs %9.3fs %8.2f\n" "$p" "$v" "$l" "$(echo "$v / $l" | bc -l)"
done
