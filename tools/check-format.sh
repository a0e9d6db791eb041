#!/usr/bin/env bash
# Checks that the VBScript engine's C++ sources follow the repository's .clang-format, without
# building anything. Lists every file that is off and exits 1; exits 0 when all are formatted,
# 2 when clang-format cannot be run.
#
# Usage: tools/check-format.sh [FILE...]
#   With no FILE, checks the .cpp/.h files of every C++ folder (vbscript, run, tests, bench, tools, fuzz, Voxline, examples).
#   CLANG_FORMAT=/path/to/clang-format picks another binary (the style is checked with version 14).
set -uo pipefail

clang_format="${CLANG_FORMAT:-clang-format}"
if ! command -v "$clang_format" >/dev/null 2>&1; then
    echo "check-format: '$clang_format' not found (install clang-format 14 or set CLANG_FORMAT)" >&2
    exit 2
fi

files=()
if [ $# -gt 0 ]; then
    # Named files are taken relative to the caller's directory; clang-format finds the
    # .clang-format above each file by itself.
    files=("$@")
else
    cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 2
    while IFS= read -r -d '' f; do
        files+=("$f")
    done < <(find vbscript run tests bench tools fuzz Voxline examples -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) -print0 | sort -z)
fi

off=()
for f in "${files[@]}"; do
    if [ ! -f "$f" ]; then
        echo "check-format: no such file: $f" >&2
        exit 2
    fi
    # --dry-run -Werror fails on a style difference; any other failure (a crash, a bad
    # .clang-format) must not pass silently as "formatted" either.
    if ! "$clang_format" --dry-run -Werror "$f" >/dev/null 2>&1; then
        off+=("$f")
    fi
done

if [ ${#off[@]} -gt 0 ]; then
    echo "check-format: ${#off[@]} of ${#files[@]} files do not follow .clang-format:"
    for f in "${off[@]}"; do
        echo "  $f"
    done
    echo "Fix each with: $clang_format -i FILE"
    echo "  or all at once: $clang_format -i ${off[*]}"
    exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
exit 0
