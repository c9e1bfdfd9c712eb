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
if [ ! -x "$BUILD_DIR/shell/korvane" ]; then
  echo "No window program in $BUILD_DIR: it was configured with -DKORVANE_BUILD_GUI=OFF." >&2
  exit 1
fi
# The build writes the text data, converted to Shift-JIS, into
# $BUILD_DIR/TxtData.  Refresh the program's copies from it, except the
# annual schedule: that one is the user's own once it exists.
mkdir -p "$ROOT/run/TxtData"
for f in "$BUILD_DIR"/TxtData/*; do
  [ -f "$f" ] || continue
  name="$(basename "$f")"
  if [ "$name" = annual.txt ] && [ -e "$ROOT/run/TxtData/annual.txt" ]; then
    continue
  fi
  cp "$f" "$ROOT/run/TxtData/$name"
done
cd "$ROOT/run"
exec "$BUILD_DIR/shell/korvane"
