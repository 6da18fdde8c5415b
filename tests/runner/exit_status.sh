#!/usr/bin/env bash
# The runner's exit status and report lines: 1 for a failed expectation, 2 for a line that cannot
# be run. Usage: exit_status.sh POLYSKOP_SCENARIO
set -uo pipefail
runner=$1
here=$(dirname "$0")
status=0

check() {  # FILE STATUS EXPECTED_LINE
  local out code
  out=$(QT_QPA_PLATFORM=offscreen "$runner" "$here/$1" 2>/dev/null)
  code=$?
  if [ "$code" -ne "$2" ]; then echo "$1: exit $code, expected $2"; status=1; fi
  if ! grep -qxF "$3" <<<"$out"; then echo "$1: no line '$3' in:"; echo "$out"; status=1; fi
}

check failing.scn 1 "$here/failing.scn:3: FAIL txtA expected \"13\" got \"12\""
check failing.scn 1 "1 passed, 1 failed"
check bad_line.scn 2 "$here/bad_line.scn:3: error: unknown command frobnicate"
check bad_line.scn 2 "0 passed, 0 failed"
exit $status
