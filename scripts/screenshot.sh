#!/usr/bin/env bash
# Starts the program on the demo tree in a virtual screen, waits, and saves a picture of the whole screen.
# Usage: scripts/screenshot.sh OUT.png [WIDTHxHEIGHT] [SECONDS] [xdotool commands run before the shot ...]
# Needs: xvfb, imagemagick (import), and xdotool for the optional commands.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1"); size=${2:-800x600}; wait=${3:-7}; shift $(( $# < 3 ? $# : 3 ))
demo=$PWD/build/demo-media
export ZEPHANE_PROGRAM_DIR=$demo
[ -n "${XDG_RUNTIME_DIR:-}" ] || { export XDG_RUNTIME_DIR=$(mktemp -d /tmp/zephane-runtime.XXXXXX); chmod 700 "$XDG_RUNTIME_DIR"; }
script=$(mktemp)
{
  echo 'build/zephane-folarium HWI & pid=$!'
  echo "sleep $wait"
  for cmd in "$@"; do echo "xdotool $cmd; sleep 1"; done
  echo "import -window root '$out'"
  echo 'kill $pid 2>/dev/null || true'
} > "$script"
xvfb-run -a -s "-screen 0 ${size}x24" bash "$script"
rm -f "$script"
echo "saved $out"
