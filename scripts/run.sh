#!/bin/sh
# Installs what is missing, builds, and starts コルヴァン.
# The program keeps its settings (korvane.INI) and reads its TxtData folder
# in the working directory, as it always has: it is started from ./run.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"
"$ROOT/scripts/build.sh"
BUILD_DIR="${KORVANE_BUILD_DIR:-build}"
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR="$ROOT/$BUILD_DIR" ;; esac
if [ ! -x "$BUILD_DIR/korvane" ]; then
  echo "Built the libraries, tests and benchmarks in $BUILD_DIR; the window program is not part of this build yet."
  exit 0
fi
mkdir -p "$ROOT/run"
if [ -d "$ROOT/resources/TxtData" ] && [ ! -e "$ROOT/run/TxtData" ]; then
  cp -r "$ROOT/resources/TxtData" "$ROOT/run/TxtData"
fi
cd "$ROOT/run"
exec "$BUILD_DIR/korvane"
