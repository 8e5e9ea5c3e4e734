# Sourced by the tools' shell tests: output that cannot be written (a full disk) ends with the tool's status and
# the reason on standard error, whatever was to be printed.
# expect_unwritable_output TOOL STATUS WORKDIR ARGUMENTS... : each ARGUMENTS word is one command line of TOOL.
expect_unwritable_output() {
  local tool=$1 status=$2 work=$3 name args actual
  name=$(basename "$tool")
  shift 3
  for args in "$@"; do
    set +e
    # shellcheck disable=SC2086
    "$tool" $args >/dev/full 2>"$work/full.err"
    actual=$?
    set -e
    [ "$actual" -eq "$status" ] || { echo "$name $args: status $actual, not $status"; return 1; }
    grep -qx "$name: cannot write the output: No space left on device" "$work/full.err" ||
      { echo "$name $args: unexpected message: $(cat "$work/full.err")"; return 1; }
  done
}
