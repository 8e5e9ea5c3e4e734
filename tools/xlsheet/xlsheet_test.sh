#!/usr/bin/env bash
# The xlsheet tool end to end: resave keeps bytes, dump and text print, damage exits with status 2.
set -euo pipefail
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
seeds=$(dirname "$0")/../../tests/fuzz/corpus/SheetStreamFuzz

"$tool" resave "$seeds/rich-file" "$dir/a.dat"
"$tool" resave "$dir/a.dat" "$dir/b.dat"
cmp "$dir/a.dat" "$dir/b.dat"

"$tool" dump "$dir/a.dat" > "$dir/dump.json"
grep -q '"class": "TXLCString"' "$dir/dump.json"
grep -q '"value": "货币资金 "' "$dir/dump.json"
grep -q '"unions"' "$dir/dump.json"

"$tool" text "$dir/a.dat" > "$dir/text.txt"
[ "$(wc -l < "$dir/text.txt")" -eq 30 ]
[ "$(sed -n 5p "$dir/text.txt" | cut -f5)" = "merged" ]

head -c 100 "$dir/a.dat" > "$dir/broken.dat"
set +e
"$tool" dump "$dir/broken.dat" > /dev/null 2> "$dir/err.txt"
status=$?
set -e
[ "$status" -eq 2 ]
grep -q "byte offset" "$dir/err.txt"

set +e
"$tool" bogus > /dev/null 2>&1
status=$?
set -e
[ "$status" -eq 1 ]
echo "xlsheet ok"
