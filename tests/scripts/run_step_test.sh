#!/bin/bash
# A failing setup step names itself, shows the end of its own output and
# ends the script with its status; a step's failure in the middle of a
# function is not lost (bash ignores -e inside an if condition).
set -u
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

out=$(STEP_LOG_DIR="$logs" bash -c '
  set -euo pipefail
  source "$1/scripts/steps.sh"
  quiet_then_fail() { echo "first line"; false; echo "after the failure"; }
  run_step "made to fail" quiet_then_fail
  echo "went on after a failed step"' _ "$ROOT" 2>&1)
status=$?
[ $status = 1 ] || fail "status $status, expected 1"
[[ "$out" == *"step 'made to fail' failed (exit status 1)"* ]] || fail "the step is not named: $out"
[[ "$out" == *"| first line"* ]] || fail "its output is not shown: $out"
[[ "$out" != *"after the failure"* && "$out" != *"went on"* ]] || fail "it went on after the failure: $out"

STEP_LOG_DIR="$logs" bash -c 'set -eu; source "$1/scripts/steps.sh"; run_step quiet echo hidden; echo after' _ "$ROOT" |
  grep -qx after || fail "a step that succeeds must print nothing and go on"
echo "run_step: passed"
