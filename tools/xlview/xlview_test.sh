#!/usr/bin/env bash
# The xlview tool headless: a sheet file rendered to a PNG of the asked size; damage exits with status 2; --help
# and --version.
set -euo pipefail
. "$(dirname "$0")/../common/unwritable_output.sh"
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
seeds=$(dirname "$0")/../../tests/fuzz/corpus/SheetStreamFuzz
export QT_QPA_PLATFORM=offscreen

"$tool" "$seeds/rich-file" --scale 150 --current 1,1 --select 1,1,3,4 --screenshot "$dir/shot.png" --size 640x480
[ "$(head -c 8 "$dir/shot.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ]
# The PNG header holds the width and height big-endian at bytes 16 and 20.
[ "$(od -An -tu1 -j16 -N8 "$dir/shot.png" | tr -s ' ')" = " 0 0 2 128 0 0 1 224" ]

head -c 100 "$seeds/rich-file" > "$dir/broken.dat"
set +e
"$tool" "$dir/broken.dat" --screenshot "$dir/broken.png" 2> "$dir/err.txt"
status=$?
set -e
[ "$status" -eq 2 ]
grep -q "byte offset" "$dir/err.txt"

set +e
"$tool" --select 1,2 "$seeds/rich-file" > /dev/null 2>&1
status=$?
set -e
[ "$status" -eq 1 ]

# --help and --version need no display; standard output that cannot be written is status 1, as an image is.
"$tool" --help | grep -q -- "--screenshot OUT.png"
"$tool" --version | grep -qx "xlview [0-9]*\.[0-9]*"
expect_unwritable_output "$tool" 1 "$dir" "--help" "--version"
echo "xlview ok"
