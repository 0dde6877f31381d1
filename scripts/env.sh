# Shared paths of the scripts; sourced, not run.
ROOT="${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
BUILD_DIR="$ROOT/build"
DEPS_DIR="$BUILD_DIR/deps"

# Whether the kernel runs 32-bit programs: a 91-byte static i386 program
# that only exits 0. Where 32-bit support is switched off it fails with
# "Exec format error" whatever is installed, so the answer cannot depend
# on the packages (the i386 loader exists only once they are in).
host_runs_32bit() {
  local probe="$DEPS_DIR/exec32-probe"
  if [ ! -x "$probe" ]; then
    mkdir -p "$DEPS_DIR"
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\133\000\000\000\133\000\000\000\005\000\000\000\000\020\000\000\061\333\061\300\100\315\200' > "$probe.tmp"
    chmod +x "$probe.tmp" && mv "$probe.tmp" "$probe"
  fi
  "$probe" 2>/dev/null
}

# The Windows architecture of the cross build and of Wine: i686 (the
# product) where the host runs 32-bit programs, x86_64 where it does not.
# LABEL_ARCH=i686|x86_64 chooses; exported, so that every script and test
# started from here agrees without asking the kernel again.
if [ -z "${LABEL_ARCH:-}" ]; then
  if host_runs_32bit; then LABEL_ARCH=i686; else LABEL_ARCH=x86_64; LABEL_ARCH_FROM_HOST=x86_64; fi
fi
case "$LABEL_ARCH" in
  i686|x86_64) ;;
  *) echo "LABEL_ARCH must be i686 or x86_64, not '$LABEL_ARCH'" >&2; return 2 2>/dev/null || exit 2 ;;
esac
export LABEL_ARCH

# Each architecture has folders of its own: CMake keeps the toolchain of a
# build folder, and a 64-bit prefix cannot host 32-bit programs. The i686
# ones keep the plain names.
arch_suffix() { [ "$1" = i686 ] && echo "" || echo "-$1"; }
# Any architecture's JPEG library: CI builds both.
jpeg_prefix() { echo "$DEPS_DIR/libjpeg-turbo-mingw$(arch_suffix "$1")"; }
ARCH_SUFFIX="$(arch_suffix "$LABEL_ARCH")"
CROSS_DIR="$BUILD_DIR/cross$ARCH_SUFFIX"
JPEG_MINGW_PREFIX="$DEPS_DIR/libjpeg-turbo-mingw$ARCH_SUFFIX"
if [ "$LABEL_ARCH" = i686 ]; then
  export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
else
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
fi
case ":$PATH:" in
  *":$ROOT/scripts/wine-bin:"*) ;;
  *) export PATH="$ROOT/scripts/wine-bin:$PATH" ;;
esac
export WINEPREFIX="$BUILD_DIR/wineprefix$ARCH_SUFFIX"
# A second prefix with its own wineserver for tests on a 1024 x 768 screen.
SMALL_WINEPREFIX="$BUILD_DIR/wineprefix-small$ARCH_SUFFIX"
export WINEDEBUG="${WINEDEBUG:--all}"
# No debugger for a crash: winedbg --auto ends a crashed program with exit
# code 0, which would read as success; without it the exit code is the
# exception's.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
# The prefix of the main job that scripts/run does without a display: its
# own settings and programs, never those of the interactive prefix or the
# tests.
RUN_WINEPREFIX="$BUILD_DIR/wineprefix-run$ARCH_SUFFIX"
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
