#!/usr/bin/env bash
# The layer check passes on the tree and fails, naming the include, on planted reverse includes.
set -uo pipefail
check=$1
tree=$2
fail() { echo "FAIL: $*"; exit 1; }

"$check" "$tree" || fail "the tree itself does not pass"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/sheet" "$work/formula" "$work/app/core" "$work/cells"
printf '#include "platform/Variant.h"\n#include "sheet/Cell.h"\n' >"$work/cells/Fine.h"
"$check" "$work" || fail "an include of a lower layer was refused"

printf '// a model file\n#include "sheet/Cell.h"\n#include "formula/Calculator.h"\n' >"$work/sheet/Bad.cpp"
out=$("$check" "$work") && fail "a sheet file including the formula layer passed"
grep -q 'sheet/Bad.cpp:3: includes "formula/Calculator.h"' <<<"$out" || fail "unexpected report: $out"

rm "$work/sheet/Bad.cpp"
printf '#include <QWidget>\n' >"$work/formula/Drawn.h"
out=$("$check" "$work") && fail "an engine file including Qt passed"
grep -q 'formula/Drawn.h:1' <<<"$out" || fail "unexpected report: $out"
echo "check-layers: ok"
