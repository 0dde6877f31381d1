# Shared paths of the scripts; sourced, not run.
ROOT="${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
BUILD_DIR="$ROOT/build"
DEPS_DIR="$BUILD_DIR/deps"
JPEG_MINGW_PREFIX="$DEPS_DIR/libjpeg-turbo-mingw"
export WINEPREFIX="$BUILD_DIR/wineprefix"
# A second prefix with its own wineserver for tests on a 1024 x 768 screen.
SMALL_WINEPREFIX="$BUILD_DIR/wineprefix-small"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
# No debugger for a crash: winedbg --auto ends a crashed program with exit
# code 0, which would read as success; without it the exit code is the
# exception's.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
# The prefix of the main job that scripts/run does without a display: its
# own settings and programs, never those of the interactive prefix or the
# tests.
RUN_WINEPREFIX="$BUILD_DIR/wineprefix-run"
PDF_QUEUE=LabelPDF
# A second PDF queue whose paper has known unprintable margins.
PDF_MARGIN_QUEUE=LabelPDFMargin
# The main job's queue: its PDFs go to a folder of their own.
RUN_QUEUE=LabelRun

# Starts a private Xvfb (24-bit, larger than any window) when there is no
# display, exports DISPLAY and records the server's pid in XVFB_PID.
start_private_display() {
  XVFB_PID=""
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.05
    done
    export DISPLAY=":$n"
    return 0
  done
  echo "no free X display number" >&2
  return 1
}
