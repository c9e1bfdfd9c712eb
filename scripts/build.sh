#!/bin/sh
# Configures and builds everything into ./build (or $KORVANE_BUILD_DIR).
set -e
cd "$(dirname "$0")/.."
BUILD_DIR="${KORVANE_BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
