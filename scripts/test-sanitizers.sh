#!/bin/sh
# Checks a change for memory errors and undefined behaviour: builds the
# program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# into a build folder of their own (build-sanitize, or
# $KORVANE_SANITIZE_BUILD_DIR) and runs every test there.  Any report fails
# the run; the only leaks let through are those inside fontconfig, which
# keeps caches for the life of the process (scripts/lsan.supp).
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
BUILD_DIR="${KORVANE_SANITIZE_BUILD_DIR:-build-sanitize}"

LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
  # Lets this build share the cache with other checkouts of the project.
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
fi

# The test discovery at build time runs the test programs too.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# -O1 keeps the stacks readable and builds faster than -O2; the benchmarks
# measure nothing under a sanitizer and are left out.
cmake -S . -B "$BUILD_DIR" -G Ninja $LAUNCHER \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DCMAKE_CXX_FLAGS="$FLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="$FLAGS" \
  -DCMAKE_SHARED_LINKER_FLAGS="$FLAGS" \
  -DKORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
