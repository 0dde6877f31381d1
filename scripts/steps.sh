# Named steps for the scripts; sourced, not run.
# run_step NAME COMMAND...: runs the command with its output kept in
# $STEP_LOG_DIR/NAME.log; when it fails, says which step failed with the
# last lines of that output and ends the script with a non-zero status.
STEP_LOG_DIR="${STEP_LOG_DIR:-${DEPS_DIR:-/tmp}/logs}"
run_step() {
  local name="$1" log code
  shift
  mkdir -p "$STEP_LOG_DIR"
  log="$STEP_LOG_DIR/${name//[^A-Za-z0-9_.-]/-}.log"
  # Not as an if condition: there bash ignores -e inside the step's
  # functions, and a failed command in the middle would go unnoticed.
  local errexit=0
  [[ $- == *e* ]] && errexit=1
  set +e
  (set -e; "$@") >"$log" 2>&1
  code=$?
  [ "$errexit" = 1 ] && set -e
  [ "$code" = 0 ] && return 0
  {
    echo "${STEP_SCRIPT:-setup}: step '$name' failed (exit status $code); the last lines of its output ($log):"
    tail -n "${STEP_TAIL_LINES:-25}" "$log" | sed 's/^/  | /'
  } >&2
  exit "$code"
}
