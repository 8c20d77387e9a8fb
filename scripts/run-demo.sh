#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo media tree once (reused while current) and starts the
# program on it with the "HWI" switch. Without a display it runs under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only the programs it runs: the tests and benchmarks are built by those who run them.
ZEPHANE_BUILD_TARGETS="zephane-folarium zephane-demo-media zephane-screensaver" bash scripts/setup.sh build
demo=$PWD/build/demo-media
if [ -x build/zephane-demo-media ]; then
  stamp=$demo/.generator-stamp
  if [ ! -f "$stamp" ] || [ build/zephane-demo-media -nt "$stamp" ]; then
    rm -rf "$demo"
    build/zephane-demo-media --media "$demo" --program "$demo"
    touch "$stamp"
  fi
fi
mkdir -p "$demo"
# The real screen saver takes the place of the generator's stand-in, so installing it from the demo tree works.
if [ -x build/zephane-screensaver ]; then
  cp build/zephane-screensaver "$demo/Zephane2000.scr"
fi
export ZEPHANE_PROGRAM_DIR=$demo
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$(mktemp -d /tmp/zephane-runtime.XXXXXX)
  chmod 700 "$XDG_RUNTIME_DIR"
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" build/zephane-folarium HWI
fi
exec build/zephane-folarium HWI
