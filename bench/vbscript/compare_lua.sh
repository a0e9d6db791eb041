#!/bin/sh
# Times every program in programs/ that has a Lua twin, under vbs and under
# Debian's lua5.4, and prints a table: CPU seconds of each, their ratio, the
# vbs seconds recorded in baseline.txt ("before"), and peak memory (max RSS).
# The last line is the geometric mean of the ratios.
#
# Usage: compare_lua.sh [--record] [BUILD_DIR]     (needs lua5.4; perf if present)
#   --record  also rewrites baseline.txt with this run's vbs figures
#
# CPU time (best of five) is used rather than wall time so that a busy
# machine distorts the ratio less. Peak memory comes from one more run each.
# A pair whose outputs differ is flagged: the twins must do the same work.
set -e
record=0
build=build
for arg in "$@"; do
    case $arg in
    --record) record=1 ;;
    -*) echo "usage: $0 [--record] [BUILD_DIR]" >&2; exit 2 ;;
    *) build=$arg ;;
    esac
done
here=$(dirname "$0")
dir=$here/programs
baseline=$here/baseline.txt
vbs=$build/vbs
tmp=$(mktemp)
outv=$(mktemp)
outl=$(mktemp)
rows=$(mktemp)
trap 'rm -f "$tmp" "$outv" "$outl" "$rows"' EXIT
command -v lua5.4 >/dev/null || { echo "lua5.4 is not installed"; exit 1; }
[ -x "$vbs" ] || { echo "no vbs at $vbs (build the vbs target first)"; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is not installed"; exit 1; }
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
peak() {  # max RSS in KB of one run; its output goes to the file named first
    out=$1
    shift
    /usr/bin/time -f "%M" -o "$tmp" "$@" >"$out" 2>/dev/null || true
    tail -n 1 "$tmp"
}
before() {  # field $2 of program $1 in baseline.txt, or "-"
    [ -f "$baseline" ] || { echo -; return; }
    awk -v p="$1" -v f="$2" '!/^#/ && $1 == p { print $f; found = 1 } END { if (!found) print "-" }' "$baseline"
}

printf "%-13s %9s %9s %7s %9s %9s %9s %9s\n" program "vbs s" "lua s" ratio "before s" "vbs KB" "lua KB" "before KB"
for v in "$dir"/*.vbs; do
    p=$(basename "$v" .vbs)
    [ -f "$dir/$p.lua" ] || continue
    vs=$(best "$vbs" "$v")
    ls=$(best lua5.4 "$dir/$p.lua")
    vk=$(peak "$outv" "$vbs" "$v")
    lk=$(peak "$outl" lua5.4 "$dir/$p.lua")
    note=
    cmp -s "$outv" "$outl" || note="  OUTPUT DIFFERS"
    ratio=$(echo "$vs $ls" | awk '{ printf "%.2f", ($2 > 0) ? $1 / $2 : 0 }')
    printf "%-13s %9.3f %9.3f %7s %9s %9s %9s %9s%s\n" "$p" "$vs" "$ls" "$ratio" \
        "$(before "$p" 2)" "$vk" "$lk" "$(before "$p" 3)" "$note"
    echo "$p $vs $vk $ratio" >>"$rows"
done
awk '$4 > 0 { s += log($4); n++ } END { if (n) printf "geometric mean of ratios: %.2f (%d programs)\n", exp(s / n), n }' "$rows"

if [ "$record" = 1 ]; then
    {
        echo "# vbs figures for each program in programs/, the \"before\" column of compare_lua.sh."
        echo "# Recorded by: bench/vbscript/compare_lua.sh --record BUILD_DIR (Release build of vbs)"
        echo "# seconds: CPU time (perf task-clock, else user + system), best of five runs;"
        echo "# peak_kb: max RSS in KB of one run (/usr/bin/time %M). The machine may have been"
        echo "# running other work; best of five damps that, so compare ratios, not single runs."
        echo "# Recorded $(date -u +%Y-%m-%d) on $(nproc) cores, $(uname -m), with the engine" \
            "(vbscript/) as of commit $(git -C "$here" log -1 --format=%h -- ../../vbscript 2>/dev/null || echo unknown)."
        echo "# program seconds peak_kb"
        awk '{ printf "%s %.3f %d\n", $1, $2, $3 }' "$rows"
    } >"$baseline"
    echo "baseline written to $baseline"
fi
