#!/usr/bin/env bash
# Installs what a fresh Debian machine is missing, builds Quillmark, and then either starts it
# (./tools/setup.sh run) or runs every test (./tools/setup.sh test). For developers,
# ./tools/setup.sh sanitize runs every test in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-sanitize), and ./tools/setup.sh coverage runs every test
# in a build with coverage (in build-coverage) and prints the line coverage of src/.
set -euo pipefail
mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLMARK_BUILD:-$root/build}
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "$mode" = sanitize ]; then
  # Unoptimised: the sanitizers' instrumentation makes an optimised build of the suite slow.
  build=${QUILLMARK_BUILD:-$root/build-sanitize}
  options=(-DCMAKE_BUILD_TYPE=Debug -DQUILLMARK_SANITIZE=ON)
fi
if [ "$mode" = coverage ]; then
  build=${QUILLMARK_BUILD:-$root/build-coverage}
  options=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage
    -DCMAKE_EXE_LINKER_FLAGS=--coverage)
fi

. "$root/tools/packages.sh"
install_missing cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev \
  xvfb xauth xdotool poppler-utils \
  desktop-file-utils appstream

cmake -S "$root" -B "$build" -G Ninja "${options[@]}"
cmake --build "$build" --parallel

case "$mode" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      exec xvfb-run -a "$build/src/quillmark"
    fi
    exec "$build/src/quillmark"
    ;;
  test)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
    ;;
  sanitize)
    cd "$build"
    export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1
    export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900
    ;;
  coverage)
    install_missing gcovr
    cd "$build"
    find . -name '*.gcda' -delete
    status=0
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 || status=$?
    gcovr --root "$root" --filter "$root/src/" --exclude '.*_autogen/.*' --print-summary --gcov-ignore-parse-errors \
      --object-directory "$build" --output "$build/coverage.txt" "$build"
    exit $status
    ;;
  *)
    echo "usage: $0 [run|test|sanitize|coverage]" >&2
    exit 2
    ;;
esac
