#!/usr/bin/env bash
# Builds the RTF reader's fuzz target with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for the given number of seconds (default 300).
#
#   ./fuzz/run.sh [seconds]
#
# The run starts from the sample files in tests/platform/data and the inputs kept in
# fuzz/regressions, and grows a working corpus in build-fuzz/corpus. Any input that crashes,
# hangs (over 10 s) or takes over 2 GB is written to build-fuzz/ as crash-*, timeout-* or
# oom-*: copy it into fuzz/regressions; tst_rtf then reads it and wants its expected dump in
# tests/platform/data/regressions (QUILLMARK_REGOLD=1 tst_rtf writes it: review it).
set -euo pipefail
seconds=${1:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLMARK_FUZZ_BUILD:-$root/build-fuzz}

. "$root/tools/packages.sh"
install_missing clang libclang-rt-14-dev cmake ninja-build qt6-base-dev

CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

mkdir -p "$build/corpus"
cd "$build"
# Qt's own allocations at exit are not the reader's; leaks are looked for in the test suite.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
./fuzz_rtfreader -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=1048576 \
  -print_final_stats=1 corpus "$root/fuzz/regressions" "$root/tests/platform/data" \
  "$root/tests/platform/data/corpus"
