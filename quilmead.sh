#!/usr/bin/env bash
# Sets up, builds and runs Quilmead, or runs its whole test suite.
#   ./quilmead.sh run    install what is missing, build, start the program
#   ./quilmead.sh test   install what is missing, build, run every test headless
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins
  libqscintilla2-qt6-dev qt6-webengine-dev qt6-pdf-dev libgl1-mesa-dev
  xvfb xauth python3 python3-pyftpdlib python3-openssl curl hunspell hunspell-en-us
  wamerican wbritish wdutch wfrench wngerman witalian wspanish
  libtidy-dev desktop-file-utils appstream librsvg2-bin dpkg-dev file
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

build() {
  if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build build -j"$(nproc)"
}

# Chromium refuses its sandbox for root; the preview engine needs this then.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

case "${1:-}" in
  run)
    install_packages
    build
    exec ./build/quilmead
    ;;
  test)
    install_packages
    build
    cd build
    # -noreset: Xvfb otherwise resets when its last client leaves, and drops
    # a client that connects during the reset (a test then fails to start).
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
      ctest --output-on-failure --timeout 600 -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
