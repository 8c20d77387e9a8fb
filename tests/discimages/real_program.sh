#!/usr/bin/env bash
# The built program on a disc image and on folders, as a user meets it: under Xvfb with a window manager,
# message boxes answered by their buttons, photos checked on the screen, mounts checked in /proc/self/mounts.
# Usage: real_program.sh BUILD_DIR
set -uo pipefail
build=$(cd "${1:?usage: real_program.sh BUILD_DIR}" && pwd)

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "--- $*"; }

# A missing tool is a failure, never a quiet pass (scripts/setup.sh installs them all).
for tool in xvfb-run openbox xdotool xwininfo import compare convert fuseiso fusermount; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
done
command -v genisoimage >/dev/null || command -v xorriso >/dev/null || fail "neither genisoimage nor xorriso is installed"
if [ ! -e /dev/fuse ]; then
  # Reported as skipped (status 77), never as passed, and only where the run says on purpose that there is none.
  [ "${ZEPHANE_TESTS_WITHOUT_FUSE:-}" = 1 ] && { echo "SKIPPED: no /dev/fuse here (ZEPHANE_TESTS_WITHOUT_FUSE=1)"; exit 77; }
  fail "no /dev/fuse: disc images cannot be mounted with fuseiso on this machine"
fi
if [ -z "${ZEPHANE_UNDER_XVFB:-}" ]; then
  export ZEPHANE_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build"
fi

program=$build/zephane-folarium
[ -x "$program" ] || fail "$program is not built"
[ -x "$build/zephane-demo-media" ] || fail "$build/zephane-demo-media is not built"

T=$(mktemp -d /tmp/zephane-media-e2e.XXXXXX)
openbox >/dev/null 2>&1 &
wm=$!
cleanup() {
  for p in $(jobs -p); do kill -9 "$p" 2>/dev/null; done
  grep -o " $T/[^ ]*" /proc/self/mounts | while read -r m; do fusermount -u -z "$m" 2>/dev/null; done
  rm -rf "$T"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$T/run XDG_CONFIG_HOME=$T/config XDG_DATA_HOME=$T/data ZEPHANE_PROGRAM_DIR=$T/program
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/zephane-folarium/zephane-folarium.ini
records=$XDG_RUNTIME_DIR/zephane-folarium/mounts

mounts_here() { grep -c " $XDG_RUNTIME_DIR/" /proc/self/mounts; }
mount_folder() { grep -o " $XDG_RUNTIME_DIR/zephane-folarium/[^ ]*" /proc/self/mounts | head -1 | tr -d ' '; }
wait_window() { # NAME-REGEX [SECONDS]
  local id
  for _ in $(seq 1 $((${2:-30} * 4))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.25
  done
  return 1
}
wait_exit() { # PID [SECONDS] -> sets status (in this shell: a child can only be waited for here)
  status=timeout
  for _ in $(seq 1 $((${2:-20} * 4))); do
    if ! kill -0 "$1" 2>/dev/null || grep -q '^State:.*zombie' "/proc/$1/status" 2>/dev/null; then
      wait "$1"
      status=$?
      return 0
    fi
    sleep 0.25
  done
}
start() { "$program" "$@" >"$T/out" 2>"$T/err" & pid=$!; }
main_window() { wait_window '^The Zephane Folarium  2000$' 40 || fail "the main window did not appear ($(cat "$T/err"))"; }
# Answers the exit question with OK, as the user does.
exit_normally() {
  local w=$1 box
  xdotool windowactivate --sync "$w" key --clearmodifiers alt+F4
  box=$(wait_window '^The Zephane Folarium$' 10) || fail "no exit question"
  xdotool windowactivate --sync "$box" key Return
  wait_exit "$pid"
  [ "$status" = 0 ] || fail "the program did not end with status 0 after OK (status $status)"
}
# Clicks the 1953 button and checks that the photo area shows the first photo of 1953.
shows_first_photo_of_1953() {
  local w=$1 x y before after
  eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4}')"
  convert "$T/tree/zephanes/53A.JPG" -resize '620x356!' "$T/expected.png"
  # The photo control Image4 in the adapted layout: 620 by 356 pixels at (10, 67) of the client area.
  photo_rmse() {
    import -window root "$T/shot.png"
    convert "$T/shot.png" -crop 620x356+$((x + 10))+$((y + 67)) +repage "$T/photo.png"
    compare -metric RMSE "$T/photo.png" "$T/expected.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
  }
  before=$(photo_rmse)
  xdotool mousemove --sync $((x + 31)) $((y + 433)) click 1 # the "1953" button
  sleep 1
  after=$(photo_rmse)
  echo "photo area against 53A.JPG: RMSE $before before the click, $after after"
  awk -v b="$before" -v a="$after" 'BEGIN { exit !(a < 0.12 && b > 0.2) }' || {
    cp "$T/shot.png" /tmp/zephane-media-e2e-shot.png
    fail "the photo area does not show 53A.JPG (RMSE $after; screenshot in /tmp/zephane-media-e2e-shot.png)"
  }
}

step "the demo tree, a copy with its folder names in other cases, and a disc image of it"
"$build/zephane-demo-media" --media "$T/tree" --program "$T/program" >/dev/null || fail "demo media"
cp -r "$T/tree" "$T/Other Case Copy"
( cd "$T/Other Case Copy" && mv zephanes ZEPHANES && mv RichText richtext && mv embfront EmbFront && mv wav WAV ) || fail "renaming"
if command -v genisoimage >/dev/null; then
  genisoimage -quiet -J -R -V ZEPHANE2000 -o "$T/disc.iso" "$T/tree" || fail "genisoimage"
else
  xorriso -as mkisofs -quiet -J -R -V ZEPHANE2000 -o "$T/disc.iso" "$T/tree" || fail "xorriso"
fi
echo "image: $(du -h "$T/disc.iso" | cut -f1)"

step "--check-media and --print-booklet-to-pdf on the image and on the other-case folder"
for root in "$T/disc.iso" "$T/Other Case Copy"; do
  "$program" --check-media "$root" --program-folder "$T/program" >"$T/check" 2>"$T/err" || fail "--check-media $root: $(tail -1 "$T/check") $(cat "$T/err")"
  grep -q ", 0 missing," "$T/check" || fail "--check-media $root: $(tail -1 "$T/check")"
done
"$program" --print-booklet-to-pdf "$T/booklet.pdf" --media "$T/disc.iso" --from 1999 --to 2000 \
  --sections cover,description >/dev/null 2>"$T/err" || fail "booklet from the image: $(cat "$T/err")"
[ -s "$T/booklet.pdf" ] || fail "no booklet PDF"
[ "$(mounts_here)" = 0 ] || fail "a command-line mode left its image mounted"

step "bad media paths: status 2 at once after --media, a message box answered first when alone; nothing mounted or remembered"
: >"$T/empty.iso"
head -c 300000 /dev/urandom >"$T/corrupt.iso"
mkdir -p "$T/holiday/photos" && cp "$T/tree/zephanes/53A.JPG" "$T/holiday/photos/"
mkdir -p "$T/readme-only" && echo "no photos" >"$T/readme-only/readme.txt"
genisoimage -quiet -J -R -o "$T/nophotos.iso" "$T/readme-only" 2>/dev/null ||
  xorriso -as mkisofs -quiet -J -R -o "$T/nophotos.iso" "$T/readme-only" || fail "image without photos"
check_bad() { # PATH WORDS [alone]: after --media, standard error and status 2 at once; alone, as "Open With"
  # passes it, a message box as well, answered by its button
  if [ "${3:-}" = alone ]; then
    start "$1"
    local box
    box=$(wait_window '^The Zephane Folarium$' 20) || fail "no message box for $1"
    xdotool windowactivate --sync "$box" key Return
  else
    start --media "$1"
  fi
  wait_exit "$pid"
  [ "$status" = 2 ] || fail "$1: status $status, not 2"
  grep -qF "$1" "$T/err" || fail "$1: the message does not name the path: $(cat "$T/err")"
  grep -q "$2" "$T/err" || fail "$1: the message does not say \"$2\": $(cat "$T/err")"
  [ "$(mounts_here)" = 0 ] || fail "$1: left a mount behind"
  [ ! -e "$settings" ] || ! grep -qF "$1" "$settings" || fail "$1 was remembered"
  echo "ok: $(cat "$T/err")"
}
check_bad "$T/missing.iso" "no such folder or file"
check_bad "$T/empty.iso" "empty"
check_bad "$T/corrupt.iso" "neither a folder nor a disc image"
check_bad "$T/holiday" "holds no photos"
check_bad "$T/nophotos.iso" "holds no photos"
check_bad "$T/corrupt.iso" "neither a folder nor a disc image" alone
check_bad "$T/holiday" "holds no photos" alone

step "the image opened with --media: mounted read-only, photos shown, remembered, unmounted at Exit"
start --media "$T/disc.iso"
w=$(main_window)
folder=$(mount_folder)
[ -n "$folder" ] || fail "the image is not mounted while the program runs"
grep " $folder " /proc/self/mounts | grep -q " ro," || fail "the image is not mounted read-only"
grep -qxF "LastPath=$T/disc.iso" "$settings" || fail "the image was not remembered"
shows_first_photo_of_1953 "$w"
exit_normally "$w"
[ "$(mounts_here)" = 0 ] || fail "the image stayed mounted after Exit"
[ ! -e "$folder" ] || fail "the mount folder stayed after Exit"
[ -z "$(ls -A "$records" 2>/dev/null)" ] || fail "a mount record stayed after Exit"

step "ended by SIGTERM (a logout): the image is unmounted as well"
start --media "$T/disc.iso"
w=$(main_window)
[ "$(mounts_here)" = 1 ] || fail "the image is not mounted"
kill -TERM "$pid"
wait_exit "$pid"
[ "$status" = 0 ] || fail "SIGTERM ended the program with status $status"
[ "$(mounts_here)" = 0 ] || fail "the image stayed mounted after SIGTERM"

step "killed with -9: the next start without arguments takes the remembered image's mount over"
start
w=$(main_window)
folder=$(mount_folder)
kill -9 "$pid"; wait "$pid" 2>/dev/null
[ "$(mounts_here)" = 1 ] || fail "the mount of the killed run is gone too early (nothing to test)"
start
w=$(main_window)
[ "$(mount_folder)" = "$folder" ] && [ "$(mounts_here)" = 1 ] || fail "the mount of the killed run was not taken over"
grep -q "pid=$pid$" "$records"/* || fail "the record does not name the new run"
exit_normally "$w"
[ "$(mounts_here)" = 0 ] || fail "the taken-over mount stayed after Exit"

step "killed with -9, then started on a folder in other cases: the leftover mount is released"
start "$T/disc.iso" # as "Open With" passes it
w=$(main_window)
kill -9 "$pid"; wait "$pid" 2>/dev/null
[ "$(mounts_here)" = 1 ] || fail "no leftover mount to release"
start "$T/Other Case Copy"
w=$(main_window)
sleep 1
[ "$(mounts_here)" = 0 ] || fail "the leftover mount of the killed run was not released"
[ -z "$(ls -A "$records" 2>/dev/null)" ] || fail "the leftover record was not removed"
grep -qxF "LastPath=$T/Other Case Copy" "$settings" || fail "the folder was not remembered"
shows_first_photo_of_1953 "$w"
exit_normally "$w"

step "a remembered path that is gone is skipped: ER001 with Retry and Cancel"
cp "$T/disc.iso" "$T/gone.iso"
sed -i "s|^LastPath=.*|LastPath=$T/gone.iso|" "$settings"
rm "$T/gone.iso"
start
box=$(wait_window '^The Zephane Folarium$' 40) || fail "no ER001 box ($(cat "$T/err"))"
xdotool windowactivate --sync "$box" key Escape
wait_exit "$pid"
[ "$status" = 0 ] || fail "Cancel on ER001 ended with status $status"
[ "$(mounts_here)" = 0 ] || fail "something was mounted for a path that is gone"

kill "$wm" 2>/dev/null
echo "PASS"
