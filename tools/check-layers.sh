#!/usr/bin/env bash
# Checks that every #include of the engine and the language follows the layers in
# tools/layers.txt: a file includes headers of its own group or of lower-ranked groups only, and
# only the exported headers of a group that names them.
# Names each offending file and include and exits 1; exits 0 when all follow the order.
# Tests, benchmarks, tools and fuzz targets sit above everything and are not checked.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 2

find run vbscript -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
  xargs -0 grep -H -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
  awk -v layers=tools/layers.txt '
    BEGIN {
        n = 0
        while ((getline line < layers) > 0) {
            if (line ~ /^[[:space:]]*(#|$)/) continue
            split(line, f, /[[:space:]]+/)
            if (f[1] == "export") { exported[f[2]] = exported[f[2]] " " f[3] " "; continue }
            n++; rank[n] = f[1] + 0; group[n] = f[2]; prefix[n] = f[3]
        }
        if (n == 0) { print "check-layers: no layers in " layers; exit 2 }
    }
    # The entry whose folder is the longest prefix of the path; 0 when none.
    function find(path,    i, best, len) {
        best = 0; len = -1
        for (i = 1; i <= n; i++)
            if (index(path, prefix[i]) == 1 && length(prefix[i]) > len) { best = i; len = length(prefix[i]) }
        return best
    }
    {
        split($0, parts, ":"); file = parts[1]; lineNo = parts[2]
        inc = $0; sub(/^[^"]*"/, "", inc); sub(/".*$/, "", inc)
        from = find(file); to = find(inc)
        files[file] = 1
        if (from == 0 || to == 0 || group[from] == group[to]) next
        if ((group[to] in exported) && index(exported[group[to]], " " inc " ") == 0) {
            printf "check-layers: %s:%s includes \"%s\": %s is reached only through%s\n",
                   file, lineNo, inc, group[to], exported[group[to]]
            bad++
            next
        }
        if (rank[to] >= rank[from]) {
            printf "check-layers: %s:%s includes \"%s\": %s (rank %d) may not include %s (rank %d)\n",
                   file, lineNo, inc, group[from], rank[from], group[to], rank[to]
            bad++
        }
    }
    END {
        if (bad) { printf "check-layers: %d includes break the layers (see tools/layers.txt)\n", bad; exit 1 }
        printf "check-layers: %d files follow the layers\n", length(files)
    }'
