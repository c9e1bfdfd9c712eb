#!/bin/sh
# Makes the README's pictures in docs/screenshots/ from the real program:
# korvane-screenshots opens the windows of each hall and the day calendar
# and saves them (under Xvfb when it is installed, so that the windows are
# on a real X server; else on Qt's offscreen platform), and korvane-print
# writes a month grid and a day page as PNG files.  Uses the build in
# ./build (or $KORVANE_BUILD_DIR), configured by scripts/build.sh.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${KORVANE_BUILD_DIR:-build}"
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR="$ROOT/$BUILD_DIR" ;; esac
OUT="$ROOT/docs/screenshots"
cmake --build "$BUILD_DIR" --target korvane-screenshots korvane-print txtdata -j 2

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cp -r "$BUILD_DIR/TxtData" "$WORK/TxtData"
# No start-up dialogs: the pictures are taken of the windows the script opens.
printf '[Settings]\r\nonedayview=0\r\nonepointview=0\r\nkorvaneYear=2024\r\nkorvaneMomth=5\r\nkorvaneOldYear=2024\r\nkorvaneOldMomth=4\r\n' \
  > "$WORK/korvane.INI"
mkdir -p "$OUT"

cd "$WORK"
if command -v xvfb-run >/dev/null 2>&1; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$BUILD_DIR/shell/screenshots/korvane-screenshots" "$OUT"
else
  QT_QPA_PLATFORM=offscreen "$BUILD_DIR/shell/screenshots/korvane-screenshots" "$OUT"
fi
"$BUILD_DIR/tools/korvane-print" --today 2024-05-15 CQWeek6View 2024 4 \
  --png "$OUT/korvane-print-CQWeek6View.png" --size 560x400
"$BUILD_DIR/tools/korvane-print" day 2024-05-03 --png "$OUT/korvane-print-day.png"
# A day with its notes: the 啓蟄 of 2026, a 天赦日 and 一粒万倍日.
"$BUILD_DIR/tools/korvane-print" day 2026-03-05 --png "$OUT/koyomi-day.png" --size 300x390
# Month grids as korvane-print writes them, title above, at a small, a
# narrow-tall and a wide-flat size.
for size in 320x240 300x700 900x400; do
  "$BUILD_DIR/tools/korvane-print" --today 2024-05-15 CGQDayView 2024 5 \
    --png "$OUT/korvane-print-CGQDayView-$size.png" --size "$size"
done
ls -l "$OUT"
