#!/bin/sh
# Configures and builds everything into ./build (or $KORVANE_BUILD_DIR).
set -e
cd "$(dirname "$0")/.."
BUILD_DIR="${KORVANE_BUILD_DIR:-build}"
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
fi
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $LAUNCHER >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
