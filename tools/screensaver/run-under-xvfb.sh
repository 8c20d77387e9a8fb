#!/usr/bin/env bash
# Starts the screen saver under xvfb-run for a few seconds, full screen and on the root window, on a folder
# of generated photos, and checks that it keeps running, shows a photo (not a black screen) and shows a
# message when its settings are missing. Usage: run-under-xvfb.sh SAVER DEMO-MEDIA-GENERATOR WORKDIR
set -euo pipefail
saver=$1 generator=$2 work=$3
for tool in xvfb-run import convert xev xwininfo; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (apt-get install xvfb imagemagick x11-utils)" >&2; exit 1; }
done
[ -x "$saver" ] || { echo "FAIL: no screen saver at $saver" >&2; exit 1; }

rm -rf "$work"; mkdir -p "$work/data/zephane-folarium" "$work/photos"
QT_QPA_PLATFORM=offscreen "$generator" --media "$work/media" --program "$work/media" >/dev/null
cp "$work"/media/zephanes/53*.JPG "$work/photos/"
printf '[Zephane2000]\r\nZephPath=%s\\PHOTOS\\\r\nInterval=1\r\n' "$work" > "$work/data/zephane-folarium/Zephane2000.ini"

cat > "$work/inside.sh" <<'INNER'
set -u
saver=$1 shot=$2 mode=$3
QT_QPA_PLATFORM=xcb "$saver" $mode &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then echo "FAIL: the screen saver ended by itself ($mode)" >&2; exit 1; fi
import -window root "$shot"
# A calm screen costs next to no processor time: a busy loop would take all of the three seconds.
read -r -a stat </proc/$pid/stat
used=$(( (stat[13] + stat[14]) * 100 / $(getconf CLK_TCK) ))
echo "$mode: ${used} hundredths of a second of processor time in 3 s"
if [ "$used" -gt 150 ]; then echo "FAIL: the screen saver is busy ($mode)" >&2; kill "$pid"; exit 1; fi
kill "$pid"; wait "$pid" 2>/dev/null
exit 0
INNER

# Mean brightness of the screenshot's bottom-right corner: a window that does not cover the screen leaves it black.
mean() { convert "$1" -crop 200x150+600+450 -colorspace Gray -format '%[fx:mean]' info:; }
run() {  # mode, screenshot, least mean brightness, XDG_DATA_HOME, most mean brightness
  XDG_DATA_HOME=$4 xvfb-run -a -s "-screen 0 800x600x24" bash "$work/inside.sh" "$saver" "$2" "$1"
  local m; m=$(mean "$2")
  echo "$1: mean brightness $m"
  awk -v m="$m" -v lo="$3" -v hi="$5" 'BEGIN { exit !(m >= lo && m <= hi) }' \
    || { echo "FAIL: screenshot $2 of '$1' has mean brightness $m, expected $3..$5" >&2; exit 1; }
}
run "" "$work/fullscreen.png" 0.06 "$work/data" 1
run "-root" "$work/root.png" 0.06 "$work/data" 1
# No settings: a message in grey on black, centred: the corner stays black.
run "" "$work/nosettings.png" 0 "$work/nowhere" 0.001
m=$(convert "$work/nosettings.png" -colorspace Gray -format '%[fx:mean]' info:)
awk -v m="$m" 'BEGIN { exit !(m > 0.003 && m < 0.1) }' || { echo "FAIL: no message on screen (mean $m)" >&2; exit 1; }
# As XScreenSaver runs it: a host window (xev, selecting only exposures so it leaves its children alone) is
# named in $XSCREENSAVER_WINDOW; the photo fills that window and nothing outside it.
cat > "$work/embed.sh" <<'INNER'
set -u
saver=$1 shot=$2
xev -event expose -geometry 400x300+100+100 >/dev/null &
host=$!
for _ in 1 2 3 4 5 6 7 8 9 10; do
  id=$(xwininfo -name "Event Tester" 2>/dev/null | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')
  [ -n "$id" ] && break
  sleep 0.5
done
[ -n "$id" ] || { echo "FAIL: the host window did not appear" >&2; kill $host; exit 1; }
XSCREENSAVER_WINDOW=$id QT_QPA_PLATFORM=xcb "$saver" -root &
pid=$!
sleep 3
kill -0 $pid 2>/dev/null || { echo "FAIL: the screen saver ended inside the host window" >&2; kill $host; exit 1; }
import -window root "$shot"
kill $pid $host; wait $pid 2>/dev/null
exit 0
INNER
XDG_DATA_HOME=$work/data xvfb-run -a -s "-screen 0 800x600x24" bash "$work/embed.sh" "$saver" "$work/embed.png"
inside=$(convert "$work/embed.png" -crop 300x200+150+150 -colorspace Gray -format '%[fx:mean]' info:)
outside=$(convert "$work/embed.png" -crop 200x150+600+450 -colorspace Gray -format '%[fx:mean]' info:)
echo "inside the host window: mean brightness $inside, outside $outside"
awk -v i="$inside" -v o="$outside" 'BEGIN { exit !(i > 0.06 && o < 0.01) }' \
  || { echo "FAIL: no photo inside the host window" >&2; exit 1; }

# A window number that names no window is refused with a message, not an X error or a hang.
set +e
XDG_DATA_HOME=$work/data xvfb-run -a -s "-screen 0 800x600x24" env QT_QPA_PLATFORM=xcb \
  timeout 20 "$saver" -window-id 0x7654321 2>"$work/badwindow.txt"
status=$?
set -e
[ $status -eq 1 ] && grep -q "cannot draw into window" "$work/badwindow.txt" \
  || { cat "$work/badwindow.txt" >&2; echo "FAIL: -window-id of no window gave status $status" >&2; exit 1; }
echo "screen saver ran under xvfb"
