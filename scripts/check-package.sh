#!/usr/bin/env bash
# Builds the Debian package and checks it: file list and metadata (dpkg-deb), Debian's package checker
# (lintian: any error or warning fails), desktop entry
# (desktop-file-validate), AppStream metainfo (appstreamcli), man pages (man --warnings); then installs into a
# fresh folder prefix and runs the programs from there: --help/--version without a display, the screen saver's
# settings from the per-user folder, and the program on the demo tree with HWI under xvfb-run, writing nothing
# into the prefix. Every tool it needs must be there: a missing one fails the check.
# Usage: scripts/check-package.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
work=$build/package-check
fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in cmake cpack apt-get dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli man xvfb-run \
            gzip file; do
  command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/setup.sh installs it)"
done

cmake --build "$build" --target zephane-folarium zephane-screensaver zephane-demo-media zephane-packaging-files
rm -rf "$work"; mkdir -p "$work"

# The package --------------------------------------------------------------------------------------------------
(cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$work"/deb/zephane-folarium_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack made no zephane-folarium_*.deb"
echo "package: $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zephane-folarium ] || fail "Package field: $(field Package)"
[ -n "$(field Version)" ] || fail "no Version"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for dep in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6printsupport6 \
           gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav; do
  grep -q "\b$dep\b" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' | sort >"$work/files.txt"
expected=(
  /usr/bin/zephane-folarium /usr/bin/zephane-screensaver /usr/bin/zephane-demo-media
  /usr/lib/zephane-folarium/Zephane2000.scr
  /usr/share/applications/org.zephane.Folarium.desktop
  /usr/share/metainfo/org.zephane.Folarium.metainfo.xml
  /usr/share/man/man1/zephane-folarium.1.gz /usr/share/man/man1/zephane-screensaver.1.gz
  /usr/share/man/man1/zephane-demo-media.1.gz
  /usr/share/doc/zephane-folarium/copyright /usr/share/doc/zephane-folarium/changelog.gz
)
for size in 16 22 24 32 48 64 128 256 512; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/org.zephane.Folarium.png")
done
for f in "${expected[@]}"; do
  grep -qx "$f" "$work/files.txt" || fail "the package lacks $f"
done
if grep -E 'test_|bench|fuzz|/include/|\.a$|zephane-icon' "$work/files.txt"; then
  fail "the package holds tests, benchmarks, fuzzers or build tools (above)"
fi
grep -v '/$' "$work/files.txt" | grep -vxF -f <(printf '%s\n' "${expected[@]}") && fail "unexpected files (above)"
echo "package: $(grep -vc '/$' "$work/files.txt") files, Depends: $depends"
# The dependencies are names apt knows (a typo in one would make the package uninstallable).
apt-get -s install "$deb" >"$work/apt.txt" 2>&1 && grep -q "^Inst zephane-folarium" "$work/apt.txt" \
  || { cat "$work/apt.txt" >&2; fail "apt-get cannot install the package"; }

# Debian's own checker: no error and no warning (informational tags are listed, not fatal) --------------------
set +e; lintian --tag-display-limit 0 --display-info "$deb" >"$work/lintian.txt" 2>&1; lintian_status=$?; set -e
cat "$work/lintian.txt"
if grep -E '^(E|W): ' "$work/lintian.txt"; then
  fail "lintian reports the errors or warnings above"
fi
[ $lintian_status -eq 0 ] || fail "lintian ended with status $lintian_status"
echo "lintian: no error or warning"

# Desktop entry, metainfo, man pages, from the package itself ---------------------------------------------------
root=$work/root
dpkg-deb -x "$deb" "$root"
# The screen-saver copy is a program: stripped, as the programs in bin are.
file "$root/usr/lib/zephane-folarium/Zephane2000.scr" | grep -q ', stripped' \
  || fail "Zephane2000.scr is not stripped: $(file "$root/usr/lib/zephane-folarium/Zephane2000.scr")"
out=$(desktop-file-validate "$root/usr/share/applications/org.zephane.Folarium.desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.zephane.Folarium.metainfo.xml" \
  || fail "appstreamcli validate"
for page in zephane-folarium zephane-screensaver zephane-demo-media; do
  warnings=$(MANPATH="$root/usr/share/man" MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings "$page" 2>&1 >/dev/null) \
    || fail "man $page"
  [ -z "$warnings" ] || fail "man --warnings $page: $warnings"
  MANPATH="$root/usr/share/man" MANWIDTH=80 man "$page" 2>/dev/null | grep -q "XDG_DATA_HOME" \
    || fail "man $page does not show the page"
done
echo "desktop entry, metainfo and man pages are clean"

# Installed into a fresh folder prefix ---------------------------------------------------------------------------
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/zephane-folarium" ] && [ -x "$prefix/lib/zephane-folarium/Zephane2000.scr" ] \
  || fail "cmake --install did not place the programs"
find "$prefix" -name 'test_*' -o -name 'zephane-bench' -o -name 'fuzz_*' | grep . && fail "tests installed"

nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u ZEPHANE_PROGRAM_DIR)
for program in zephane-screensaver zephane-demo-media; do
  "${nodisplay[@]}" "$prefix/bin/$program" --version | grep -q "^$program " || fail "$program --version"
  "${nodisplay[@]}" "$prefix/bin/$program" --help | grep -q "usage:" || fail "$program --help"
  set +e; "${nodisplay[@]}" "$prefix/bin/$program" --no-such-option >/dev/null 2>"$work/err"; status=$?; set -e
  [ $status -eq 2 ] && grep -q usage "$work/err" || fail "$program --no-such-option: status $status"
done
help=$("${nodisplay[@]}" "$prefix/bin/zephane-folarium" --help) || fail "zephane-folarium --help"
grep -q -- "--check-media" <<<"$help" || fail "zephane-folarium --help lacks the modes"
if grep -q -- "--version" <<<"$help"; then
  "${nodisplay[@]}" "$prefix/bin/zephane-folarium" --version | grep -q "^zephane-folarium " \
    || fail "zephane-folarium --version"
  set +e; timeout 20 "${nodisplay[@]}" "$prefix/bin/zephane-folarium" --no-such-option >/dev/null 2>"$work/err"
  status=$?; set -e
  [ $status -eq 2 ] && grep -q usage "$work/err" || fail "zephane-folarium --no-such-option: status $status"
else
  echo "NOTE: zephane-folarium does not offer --version yet (src/app/main.cpp takes CommandLine)"
fi

# The demo tree as the installed program folder; the per-user folder is fresh.
programdir=$prefix/lib/zephane-folarium
export XDG_DATA_HOME=$work/xdg-data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
"${nodisplay[@]}" "$prefix/bin/zephane-demo-media" --media "$programdir" --program "$programdir" >/dev/null
cp "$prefix/bin/zephane-screensaver" "$programdir/Zephane2000.scr"
user=$XDG_DATA_HOME/zephane-folarium
find "$prefix" -newer "$deb" -printf '%p %s\n' | sort >"$work/prefix-before.txt"

# The screen saver reads its settings from the per-user folder and finds photos by the program's path form.
mkdir -p "$user"
printf '[Zephane2000]\r\nZephPath=%s\\ZEPHANES\\\r\nInterval=5\r\n' "$programdir" >"$user/Zephane2000.ini"
"${nodisplay[@]}" "$prefix/bin/zephane-screensaver" --settings >"$work/settings.txt" \
  || { cat "$work/settings.txt" >&2; fail "the installed screen saver finds no photos"; }
grep -q "^settings: $user/Zephane2000.ini" "$work/settings.txt" || fail "screen saver settings not per user"
# The installed layout: the program folder is lib/zephane-folarium, copies go to the per-user folder.
grep -qx "program folder: $programdir" "$work/settings.txt" || fail "installed program folder: $(cat "$work/settings.txt")"
grep -qx "per-user folder: $user" "$work/settings.txt" || fail "installed per-user folder: $(cat "$work/settings.txt")"

cat >"$work/run.sh" <<'INNER'
set -u
"$1" HWI >"$2/program.log" 2>&1 &
pid=$!
sleep 8
import -window root "$2/installed.png" 2>/dev/null
if ! kill -0 $pid 2>/dev/null; then wait $pid; echo "program ended with status $?" >&2; exit 1; fi
kill $pid; wait $pid 2>/dev/null
exit 0
INNER
env -u ZEPHANE_PROGRAM_DIR -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" \
  bash "$work/run.sh" "$prefix/bin/zephane-folarium" "$work" || { cat "$work/program.log" >&2; fail "installed program"; }
find "$prefix" -newer "$deb" -printf '%p %s\n' | sort >"$work/prefix-after.txt"
diff "$work/prefix-before.txt" "$work/prefix-after.txt" >&2 || fail "the installed program wrote into the prefix"
if [ -d "$user/zephanes" ]; then
  echo "photo copies in the per-user folder: $(ls "$user/zephanes" | wc -l)"
fi
echo "package check passed"
