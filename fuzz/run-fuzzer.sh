#!/usr/bin/env bash
# Builds a fuzz target with clang and runs it for the given number of seconds (default 60) on a copy of its
# seed corpus. Crashes are written to build-fuzz/artifacts/; turn each into a regression test.
# Usage: fuzz/run-fuzzer.sh [SECONDS] [extra libFuzzer options...]
# ZEPHANE_FUZZ_TARGET picks the target: fuzz_rtf (default, import and layout), fuzz_rtf_print (printing),
# fuzz_ini (the screen-saver settings, writer and reader as a pair), fuzz_riff (the sound and movie chunk walk).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=${ZEPHANE_FUZZ_BUILD:-build-fuzz}
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHANE_BUILD_FUZZ=ON \
    -DZEPHANE_BUILD_TESTS=OFF -DZEPHANE_BUILD_BENCH=OFF >/dev/null
fi
target=${ZEPHANE_FUZZ_TARGET:-fuzz_rtf}
cmake --build "$build" --target "$target" -j"$(nproc)"
case $target in
  fuzz_ini) seeds=ini; max_len=4096 ;;
  fuzz_riff) seeds=riff; max_len=4096 ;;
  *) seeds=rtf; max_len=65536 ;;
esac
corpus="$build/corpus-$target"
mkdir -p "$corpus" "$build/artifacts"
cp -n fuzz/corpus/$seeds/* "$corpus/" 2>/dev/null || true
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
exec "$build/fuzz/$target" "$corpus" fuzz/corpus/$seeds -dict=fuzz/$seeds.dict -max_len=$max_len -timeout=10 \
  -rss_limit_mb=4096 -max_total_time="$seconds" -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$@"
