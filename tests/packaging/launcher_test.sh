#!/bin/sh
# The old launcher's name still starts the program: the korvane beside it
# (followed through a symbolic link), with every argument as given and in
# the caller's working directory, since the program now finds the user's
# folders itself.
set -eu
launcher="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/bin" "$work/elsewhere" "$work/caller"
cp "$launcher" "$work/bin/korvane-launch"
cat > "$work/bin/korvane" <<'SH'
#!/bin/sh
{ pwd; for a in "$@"; do printf '[%s]\n' "$a"; done; } > "$KORVANE_TEST_OUT"
SH
chmod +x "$work/bin/korvane" "$work/bin/korvane-launch"
ln -s "$work/bin/korvane-launch" "$work/elsewhere/korvane-launch"
export KORVANE_TEST_OUT="$work/out"
fail() { echo "FAIL: $*"; exit 1; }

cd "$work/caller"
"$work/elsewhere/korvane-launch" "two words" "" --x
expected="$(printf '%s\n[two words]\n[]\n[--x]' "$work/caller")"
[ "$(cat "$work/out")" = "$expected" ] || fail "ran as: $(cat "$work/out")"
[ "$(wc -l < "$launcher")" -le 3 ] || fail "the launcher does more than start the program"
echo "launcher ok"
