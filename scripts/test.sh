#!/usr/bin/env bash
# Installs what is missing, checks the formatting of changed and new sources, builds with warnings as errors,
# and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build -DZEPHANE_WERROR=ON
bash scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$(mktemp -d /tmp/zephane-runtime.XXXXXX)
  chmod 700 "$XDG_RUNTIME_DIR"
fi
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 300
