#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root) when something is missing, then configures and builds.
# Usage: scripts/setup.sh [build-dir [extra cmake arguments...]]
# ZEPHANE_BUILD_TARGETS="a b" builds only those targets (and what they need) instead of everything.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift $(( $# > 0 ? 1 : 0 ))

packages=(cmake g++ make qt6-base-dev qt6-multimedia-dev gstreamer1.0-plugins-base
          gstreamer1.0-plugins-good gstreamer1.0-libav libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth openbox xdotool fonts-dejavu-core poppler-utils imagemagick x11-utils
          desktop-file-utils appstream man-db dpkg-dev clang-format libxapian-dev
          fuseiso fuse genisoimage dbus-daemon util-linux mount lintian file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
targets=()
for t in ${ZEPHANE_BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
