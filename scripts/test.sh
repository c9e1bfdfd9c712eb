#!/bin/sh
# Installs what is missing, builds, and runs every test through CTest.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"
"$ROOT/scripts/build.sh"
BUILD_DIR="${KORVANE_BUILD_DIR:-build}"
cd "$ROOT"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
