#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize and runs every test;
# the first report stops the test that made it, so a fault fails the run instead of scrolling past.
# Usage: scripts/sanitize.sh [extra ctest arguments, e.g. -R test_rtf]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build-sanitize
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
cmake -S . -B "$build_dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
      -DZEPHANE_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build_dir" -j"${ZEPHANE_JOBS:-$(nproc)}"

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$(mktemp -d /tmp/zephane-runtime.XXXXXX)
  chmod 700 "$XDG_RUNTIME_DIR"
fi
suppressions=$PWD/scripts/lsan.supp
# intercept_strndup=0: libxkbcommon-x11 hands strndup a length past its buffer's end (it stops at the NUL
# first), which the interceptor reports whenever a test starts a program on a real X display.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:intercept_strndup=0
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$suppressions:print_suppressions=0
cd "$build_dir"
jobs=-j"${ZEPHANE_JOBS:-$(nproc)}"
if [ $# -gt 0 ]; then
  exec ctest --output-on-failure "$jobs" --timeout 600 "$@"
fi
# Qt D-Bus (the UDisks tests' own bus) and Qt Multimedia's GStreamer pipeline (a movie in a video widget)
# keep objects past exit: the leak check finds only indirect leaks there, hanging off roots that the
# suppressions above already cover, with no frame of ours in their stacks to tell them by. Those tests keep
# every address and undefined-behaviour check and leave out the leak check.
held_by_libraries='^(UDisks\.|DemoMedia\.EveryMovieOpensIntoItsPicture)'
ctest --output-on-failure "$jobs" --timeout 600 -E "$held_by_libraries"
ASAN_OPTIONS=${ASAN_OPTIONS/detect_leaks=1/detect_leaks=0} \
  ctest --output-on-failure "$jobs" --timeout 600 -R "$held_by_libraries"
