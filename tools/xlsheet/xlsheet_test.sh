#!/usr/bin/env bash
# The xlsheet tool end to end: resave keeps bytes, dump and text print, non-finite doubles are told from empty
# values, damage and unwritable output exit with status 2.
set -euo pipefail
. "$(dirname "$0")/../common/unwritable_output.sh"
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
seeds=$(dirname "$0")/../../tests/fuzz/corpus/SheetStreamFuzz
# Four double cells in column 0: infinity, minus infinity, NaN, 0.1.
non_finite=$(dirname "$0")/non-finite.dat

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

# JSON has no number for them: the value is a string (an empty value would be null), the text the display's.
"$tool" dump "$non_finite" > "$dir/non-finite.json"
while read -r value text; do
    grep -A1 -x "      \"value\": $value," "$dir/non-finite.json" | grep -q "\"text\": \"$text\""
done <<'CASES'
"Infinity" INF
"-Infinity" -INF
"NaN" NAN
0.1 0.1
CASES
! grep -q '"value": null' "$dir/non-finite.json"
[ "$("$tool" text "$non_finite")" = "$(printf 'INF\n-INF\nNAN\n0.1')" ]

# A million columns and rows holding three cells: a line per row, each ending with its last cell, in no time.
huge=$(dirname "$0")/huge-counts.dat
timeout 60 "$tool" text "$huge" > "$dir/huge.txt"
[ "$(wc -l < "$dir/huge.txt")" -eq 1048560 ]
[ "$(head -n 3 "$dir/huge.txt")" = "$(printf 'a\n\n\tc\t\tb')" ]

# Output that cannot be written (a full disk) is an error, not a success.
expect_unwritable_output "$tool" 2 "$dir" "dump $dir/a.dat" "text $dir/a.dat" "--help" "--version"

"$tool" --version | grep -qx "xlsheet [0-9]*\.[0-9]*"

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
