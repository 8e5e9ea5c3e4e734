#!/usr/bin/env bash
# quorvane-report and quorvane-example-data end to end: the example's files, both formats, the exit statuses,
# --help and --version, unwritable output.
set -euo pipefail
. "$(dirname "$0")/../common/unwritable_output.sh"
report=$1
example_data=$2
example=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# The committed files are what the readable source gives.
mkdir "$dir/regen"
"$example_data" "$example/enterprise.txt" "$dir/regen"
for f in zcfz.dat sy.dat xjll.dat cwfx.dat; do
    cmp "$example/$f" "$dir/regen/$f"
done

"$report" --data-dir "$example" > "$dir/out.tsv"
[ "$(sed -n 1p "$dir/out.tsv")" = "$(printf '偿债能力分析\t2020年\t2021年\t2022年\t2023年')" ]
grep -qx "$(printf '营运能力分析')" "$dir/out.tsv"
grep -q "^$(printf '应收帐款周转率\t0.0000\t')" "$dir/out.tsv"
grep -q "^$(printf '杜邦指标分析\t2020年')" "$dir/out.tsv"
[ "$(grep -c . "$dir/out.tsv")" -eq $((1 + 18 + 1 + 5)) ]

"$report" --data-dir "$example" --format json --percent --periods 3 > "$dir/out.json"
grep -q '"displayFactor": 100' "$dir/out.json"
grep -q '"periods": \["2020年", "2021年", "2022年"\]' "$dir/out.json"
ratio=$(grep '"name": "流动比率"' "$dir/out.json")
[ "$(echo "$ratio" | grep -o '[0-9.]*' | wc -l)" -eq 3 ]

# A debt ratio of exactly 1 in the second period: the DuPont table stops there, the ratio table is whole.
cat > "$dir/failing.txt" <<'SRC'
periods P1 P2 P3 P4
statement zcfz.dat
46 资产总计 100000 100000 100000 100000
73 负债合计  50000 100000  50000  50000
SRC
mkdir "$dir/failing"
"$example_data" "$dir/failing.txt" "$dir/failing"
set +e
"$report" --data-dir "$dir/failing" > "$dir/fail.tsv" 2> "$dir/fail.err"
status=$?
set -e
[ "$status" -eq 1 ]
grep -q "DuPont table: Floating point division by zero" "$dir/fail.err"
grep -q "^$(printf '资产负债率\t0.5000\t0.0000\t0.0000\t0.0000')$" "$dir/fail.tsv"
grep -q "^$(printf '资产负债率(负债比率)\t0.5000\t1.0000\t0.5000\t0.5000')$" "$dir/fail.tsv"

# A damaged file is named with the reader's message.
mkdir "$dir/damaged"
cp "$example"/*.dat "$dir/damaged"
head -c 300 "$example/sy.dat" > "$dir/damaged/sy.dat"
set +e
"$report" --data-dir "$dir/damaged" > /dev/null 2> "$dir/damaged.err"
status=$?
set -e
[ "$status" -eq 2 ]
grep -q "^quorvane-report: sy.dat: .*byte offset" "$dir/damaged.err"

# Templates for a new enterprise; a directory holding only them reports zeros for four periods.
mkdir "$dir/new"
"$report" --write-templates "$dir/new"
for f in zcfz.dat sy.dat xjll.dat cwfx.dat dupont.dat; do
    [ -s "$dir/new/$f" ]
done
"$report" --data-dir "$dir/new" > "$dir/new.tsv"
grep -q "^$(printf '流动比率\t0.0000\t0.0000\t0.0000\t0.0000')$" "$dir/new.tsv"

for args in "--periods 9" "--format xml" "--bogus" "--data-dir" "--data-dir $dir/absent"; do
    set +e
    # shellcheck disable=SC2086
    "$report" $args > /dev/null 2>&1
    status=$?
    set -e
    [ "$status" -eq 2 ]
done

# --help and --version print and succeed.
"$report" --help | grep -q -- "--data-dir DIR"
"$report" --version | grep -qx "quorvane-report [0-9]*\.[0-9]*"

# Output that cannot be written (a full disk) is status 2 with the reason.
expect_unwritable_output "$report" 2 "$dir" "--data-dir $example" "--data-dir $example --format json" "--help" "--version"
echo "quorvane-report ok"
