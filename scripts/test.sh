#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$(mktemp -d /tmp/zephane-runtime.XXXXXX)
  chmod 700 "$XDG_RUNTIME_DIR"
fi
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 300
