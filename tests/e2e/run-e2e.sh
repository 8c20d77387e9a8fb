#!/usr/bin/env bash
# Runs the end-to-end tests through the real program: a private X server (Xvfb) of the given size with the
# openbox window manager, a fresh copy of the demo media tree as the program folder, and a home and runtime
# folder of its own, so a run never meets another run's lock, settings or copies. Fails (never skips) when
# Xvfb, openbox, xdotool, xprop, pdftotext or the demo media tool is missing.
# Usage: run-e2e.sh E2E-EXECUTABLE DEMO-MEDIA-TOOL SCREEN-SAVER WIDTHxHEIGHT [gtest arguments...]
set -euo pipefail
if [ $# -lt 4 ]; then
  echo "usage: $0 E2E-EXECUTABLE DEMO-MEDIA-TOOL SCREEN-SAVER WIDTHxHEIGHT [gtest arguments...]" >&2
  exit 2
fi
exe=$1 demo_tool=$2 saver=$3 size=$4
shift 4

missing=()
for tool in Xvfb openbox xdotool xprop pdftotext; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
[ -x "$exe" ] || missing+=("$exe")
[ -x "$demo_tool" ] || missing+=("$demo_tool")
if [ ${#missing[@]} -gt 0 ]; then
  echo "run-e2e: missing: ${missing[*]} (scripts/setup.sh installs the packages; build the targets)" >&2
  exit 1
fi

started=$(date +%s%N)
work=$(mktemp -d /tmp/zephane-e2e.XXXXXX)
xvfb_pid="" wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/home/Documents" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share XDG_DOCUMENTS_DIR=$work/home/Documents

# The demo tree is written once per build of the tool and copied for every run.
# Runs side by side take turns at it.
cache=$(dirname "$demo_tool")/e2e-demo-media
exec {lock}>"$cache.lock"
flock "$lock"
if [ ! -f "$cache/.stamp" ] || [ "$demo_tool" -nt "$cache/.stamp" ]; then
  rm -rf "$cache"
  "$demo_tool" --media "$cache" --program "$cache" >/dev/null
  touch "$cache/.stamp"
fi
cp -a "$cache" "$work/media"
flock -u "$lock"
rm -f "$work/media/.stamp"
[ -x "$saver" ] && cp "$saver" "$work/media/Zephane2000.scr"

export ZEPHANE_PROGRAM_DIR=$work/media
# Screenshots of failed tests stay beside the executable.
export ZEPHANE_E2E_SHOTS=${ZEPHANE_E2E_SHOTS:-$(cd "$(dirname "$exe")" && pwd)/e2e-shots/$size}
mkdir -p "$ZEPHANE_E2E_SHOTS"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER

# A display of its own: Xvfb picks a free number and writes it to the pipe.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 "${size}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
read -r -t 20 -u "$fd" display || true
exec {fd}<&-
if [ -z "$display" ]; then
  echo "run-e2e: Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=:$display
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# The window manager owns the screen once it has set _NET_SUPPORTING_WM_CHECK on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  kill -0 "$wm_pid" 2>/dev/null || break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
  echo "run-e2e: openbox did not start:" >&2
  cat "$work/openbox.log" >&2
  exit 1
fi

status=0
"$exe" "$@" || status=$?
ms=$(( ($(date +%s%N) - started) / 1000000 ))
printf 'run-e2e: %s at %s took %d.%03d s (exit %d)\n' "$(basename "$exe")" "$size" $((ms / 1000)) $((ms % 1000)) \
  "$status"
exit "$status"
