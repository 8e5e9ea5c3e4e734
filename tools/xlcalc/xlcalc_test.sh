#!/bin/sh
# Runs xlcalc on a few expressions and compares its output and exit status with what is expected.
xlcalc="$1"
failures=0

# check STATUS EXPECTED-OUTPUT ARGS...
check() {
    status="$1"
    expected="$2"
    shift 2
    actual=$("$xlcalc" "$@" 2>/dev/null)
    actualStatus=$?
    if [ "$actual" != "$expected" ] || [ "$actualStatus" != "$status" ]; then
        echo "FAIL: xlcalc $*"
        echo "  expected (status $status):"
        echo "$expected" | sed 's/^/    /'
        echo "  got (status $actualStatus):"
        echo "$actual" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}

check 0 "double 14
integer 3
boolean True
string AB
currency 3.0000
empty
empty" "2+3*4" "7 DIV 2" "1 < 2" "#65#66" "CURRENCY(3)" "" "A1"

check 1 "double 3
error EXLSyntax \"Syntax Error: Missing ')'\" 5
error EXLUnknown \"Unknown Identifier: F1\" 2
error EZeroDivide \"Floating point division by zero\"" "1+2" "(1+2 " "F1" "1/0"

check 0 "double 2,5
string 2:1,5" --decimal-comma "10/4" "STRING(INTEGER(2;7))+':'+STRING(1,5)"

check 0 "double 1" -- "--1"
check 1 "" "--bogus" "1"
check 1 "" --sheet
check 1 "" --sheet /nonexistent/sheet.dat "1"
check 1 ""

# An expression may begin with one "-" without "--": "-h1" is minus cell H1, not a request for help.
check 1 "double -6
empty
error EXLUnknown \"Unknown Identifier: h1\" 3" "-2*3" "-A1" "-h1"

# Output that cannot be written (a full disk) ends with status 2 and the reason, the help and version too.
for args in "1" "--help" "--version"; do
    # shellcheck disable=SC2086
    message=$("$xlcalc" $args 2>&1 >/dev/full)
    status=$?
    if [ "$status" != 2 ] || [ "$message" != "xlcalc: cannot write the output: No space left on device" ]; then
        echo "FAIL: xlcalc $args > /dev/full: status $status, message: $message"
        failures=$((failures + 1))
    fi
done
case $("$xlcalc" --version) in
"xlcalc "[0-9]*.[0-9]*) ;;
*) echo "FAIL: xlcalc --version"; failures=$((failures + 1)) ;;
esac

if [ "$failures" -ne 0 ]; then
    echo "$failures xlcalc check(s) failed"
    exit 1
fi
echo "xlcalc checks passed"
