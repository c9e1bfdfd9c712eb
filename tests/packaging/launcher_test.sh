#!/bin/sh
# The menu launcher: first start copies the shipped TxtData into the user's
# folder and starts there; an update refreshes the files the user left alone
# and never touches an edited one.
set -eu
launcher="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/bin" "$work/share/korvane/TxtData" "$work/data"
cp "$launcher" "$work/bin/korvane-launch"
cat > "$work/bin/korvane" <<'SH'
#!/bin/sh
pwd > "$KORVANE_TEST_OUT"
SH
chmod +x "$work/bin/korvane" "$work/bin/korvane-launch"
shipped="$work/share/korvane/TxtData"
printf 'tips v1\r\n' > "$shipped/onepoint.txt"
printf 'schedule v1\r\n' > "$shipped/annual.txt"

export XDG_DATA_HOME="$work/data" KORVANE_TEST_OUT="$work/out"
fail() { echo "FAIL: $*"; exit 1; }

"$work/bin/korvane-launch"
[ "$(cat "$work/out")" = "$work/data/korvane" ] || fail "started in $(cat "$work/out")"
txt="$work/data/korvane/TxtData"
[ "$(cat "$txt/onepoint.txt")" = "$(printf 'tips v1\r')" ] || fail "first copy"

# The user edits the schedule; the package brings new versions of both files
# and a new one.
printf 'my own schedule\r\n' > "$txt/annual.txt"
printf 'tips v2\r\n' > "$shipped/onepoint.txt"
printf 'schedule v2\r\n' > "$shipped/annual.txt"
printf 'help\r\n' > "$shipped/Topics.txt"
"$work/bin/korvane-launch"
[ "$(cat "$txt/onepoint.txt")" = "$(printf 'tips v2\r')" ] || fail "unedited file not refreshed"
[ "$(cat "$txt/annual.txt")" = "$(printf 'my own schedule\r')" ] || fail "edited file replaced"
[ -f "$txt/Topics.txt" ] || fail "new file not copied"

# A file the user made before any copy is theirs, too.
printf 'hand-made\r\n' > "$txt/weather.txt"
printf 'weather v1\r\n' > "$shipped/weather.txt"
"$work/bin/korvane-launch"
[ "$(cat "$txt/weather.txt")" = "$(printf 'hand-made\r')" ] || fail "user's own file replaced"
echo "launcher ok"
