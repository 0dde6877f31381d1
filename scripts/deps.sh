# What scripts/setup and scripts/package both install and build; sourced
# after scripts/env.sh and scripts/steps.sh, with log() defined.
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# Another apt run may hold the dpkg lock: wait for it rather than fail.
APT=($SUDO apt-get -o DPkg::Lock::Timeout=600 -q)

# Prints the packages of the list that are not installed, with one
# dpkg-query for all: a name without an architecture is the machine's own
# or "all".
missing_packages() {
  local native installed p
  native=$(dpkg --print-architecture)
  installed=" $(dpkg-query -W -f='${Package}:${Architecture}:${db:Status-Abbrev} ' "${@%%:*}" 2>/dev/null) "
  for p in "$@"; do
    if [[ "$p" == *:* ]]; then
      [[ "$installed" == *" $p:ii "* ]] || echo "$p"
    else
      [[ "$installed" == *" $p:$native:ii "* || "$installed" == *" $p:all:ii "* ]] || echo "$p"
    fi
  done
}

has_deb_src() {
  grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ || grep -rqs '^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/
}
# deb-src entries derived from the machine's own sources, so that
# 'apt-get source' works without naming any mirror here.
add_deb_src() {
  local tmp f
  tmp=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    sed -e 's/^Types:.*/Types: deb-src/' "$f" >> "$tmp"
    echo >> "$tmp"
  done
  if [ -s /etc/apt/sources.list ]; then
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "$tmp.list" || true
    if [ -s "$tmp.list" ]; then $SUDO cp "$tmp.list" /etc/apt/sources.list.d/project-deb-src.list; fi
  fi
  if [ -s "$tmp" ]; then $SUDO cp "$tmp" /etc/apt/sources.list.d/project-deb-src.sources; fi
  rm -f "$tmp" "$tmp.list"
  has_deb_src || { echo "no apt source to derive deb-src entries from"; return 1; }
}

# install_packages [--refresh] NAME...: installs those missing; --refresh
# reads the package lists even when nothing is missing.
install_packages() {
  local refresh=0 missing
  if [ "${1:-}" = --refresh ]; then refresh=1; shift; fi
  mapfile -t missing < <(missing_packages "$@")
  if ! has_deb_src; then
    log "deriving deb-src entries from the existing apt sources"
    run_step "deb-src lists" add_deb_src
    refresh=1
  fi
  [ "${#missing[@]}" -gt 0 ] || [ "$refresh" = 1 ] || return 0
  log "installing: ${missing[*]:-(none, refreshing lists)}"
  run_step "package lists" "${APT[@]}" update
  if [ "${#missing[@]}" -gt 0 ]; then
    run_step "package install" "${APT[@]}" install -y --no-install-recommends "${missing[@]}"
  fi
}

# build_jpeg TOOLCHAIN_FILE PREFIX: libjpeg-turbo, static, from Debian's
# source package, built with that toolchain and installed into PREFIX.
build_jpeg() {
  local toolchain="$1" prefix="$2" src jdir
  src="$prefix.src"
  rm -rf "$src" && mkdir -p "$src"
  (cd "$src" && apt-get source libjpeg-turbo)
  jdir=$(find "$src" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -1)
  [ -n "$jdir" ] || { echo "apt-get source libjpeg-turbo gave no source folder"; return 1; }
  cmake -S "$jdir" -B "$src/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
    -DWITH_JPEG8=OFF -DWITH_JAVA=OFF -DREQUIRE_SIMD=OFF
  cmake --build "$src/build" -j2
  cmake --install "$src/build"
  rm -rf "$src"
}
