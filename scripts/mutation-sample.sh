#!/bin/sh
# Mutation sampling: how many small, realistic faults does the suite catch?
#
#   scripts/mutation-sample.sh [--seed S] [--count N] [--tests REGEX] [--label L]
#                              [--sites "GLOBS"] [--target "TARGETS"] [--build-dir DIR]
#                              [--timeout SECONDS] [--no-baseline] [--list]
#
# Picks N mutation sites at random (reproducibly for a seed) in the calendar
# engine, the astronomy, the text readers and the content code, and for each
# one applies a single operator or constant change to the source (a
# comparison turned around or widened, && for || and back, + for - and back,
# an integer one up or down), rebuilds incrementally, runs the tests and puts
# the file back, whatever happens (an interrupt included).  A mutant is
# killed when a test fails, survived when all pass; one that does not
# compile is skipped and another site is drawn in its place.
#
# --tests/--label limit the run to the CTest tests matching a regex or a
# label; by default the whole suite runs.  To decide sooner, the test program
# of the mutated folder runs first, and the tests it fails are confirmed
# through CTest; only a mutant they all pass goes through the whole suite.
# --target builds only the given targets (the test programs and the tools
# the tests run) instead of everything.  --list only prints the mutants the
# seed picks.  The build directory must already be configured (scripts/build.sh).
set -eu

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"

# Where the sites are drawn from: the calendar engine, the astronomy, the
# text readers and the content code.  One glob
# per entry, relative to the repository's root.
SITES="engine/*.cpp astro/*.cpp textdata/*.cpp content/*.cpp content/*/*.cpp"

# The test program that answers first for a mutant in a folder.
QUICK="engine:engine_tests astro:astro_tests textdata:textdata_tests content:content_tests"

SEED=""
COUNT=40
TEST_REGEX=""
TEST_LABEL=""
BUILD_DIR="${KORVANE_BUILD_DIR:-build}"
TIMEOUT=300
TARGETS=""
BASELINE=1
LIST_ONLY=0

usage() { sed -n '4,6p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
while [ $# -gt 0 ]; do
  case "$1" in
    --seed) SEED="$2"; shift 2 ;;
    --count) COUNT="$2"; shift 2 ;;
    --tests) TEST_REGEX="$2"; shift 2 ;;
    --label) TEST_LABEL="$2"; shift 2 ;;
    --sites) SITES="$2"; shift 2 ;;
    --target) TARGETS="$2"; shift 2 ;;
    --build-dir) BUILD_DIR="$2"; shift 2 ;;
    --timeout) TIMEOUT="$2"; shift 2 ;;
    --no-baseline) BASELINE=0; shift ;;
    --list) LIST_ONLY=1; shift ;;
    -h|--help) usage ;;
    *) echo "unknown argument: $1" >&2; usage ;;
  esac
done
[ -n "$SEED" ] || SEED="$(date +%s)"
case "$COUNT" in ''|*[!0-9]*) echo "--count takes a number" >&2; exit 2 ;; esac

WORK="$(mktemp -d "${TMPDIR:-/tmp}/korvane-mutation.XXXXXX")"
CURRENT=""  # the file that holds a mutant right now

restore() {
  if [ -n "$CURRENT" ] && [ -f "$WORK/original" ]; then
    cp "$WORK/original" "$CURRENT"
    # A fresh time stamp, so that the next build compiles the original again.
    touch "$CURRENT"
    CURRENT=""
  fi
}
cleanup() {
  status=$?
  trap - EXIT INT TERM HUP
  restore
  rm -rf "$WORK"
  exit "$status"
}
trap cleanup EXIT
trap 'echo "interrupted: the mutated file is put back" >&2; exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# shellcheck disable=SC2086 # one glob per word
if [ "$LIST_ONLY" = 0 ] && ! git diff --quiet -- $SITES 2>/dev/null; then
  echo "note: the site files have uncommitted changes; they are mutated as they are" >&2
fi

# Every possible mutant of the site files in the seed's random order, as
# tab-separated rows: file, line, column, old text, new text.
# shellcheck disable=SC2086 # one glob per word
python3 - "$SEED" $SITES >"$WORK/mutants" <<'EOF'
import glob, random, re, sys

seed, patterns = sys.argv[1], sys.argv[2:]
files = sorted({f for p in patterns for f in glob.glob(p)})

OPERATORS = {" < ": [" <= "], " <= ": [" < "], " > ": [" >= "], " >= ": [" > "],
             " == ": [" != "], " != ": [" == "], " && ": [" || "], " || ": [" && "],
             " + ": [" - "], " - ": [" + "]}
OPERATOR = re.compile("|".join(re.escape(o) for o in sorted(OPERATORS, key=len, reverse=True)))
INTEGER = re.compile(r"(?<![\w.'])\d+(?![\w.'])")

def blank_out(line, in_comment):
    """The line with comments and literals blanked, so that only code is mutated."""
    out, i = [], 0
    while i < len(line):
        if in_comment:
            end = line.find("*/", i)
            if end < 0:
                return " " * len(line), True
            out.append(" " * (end + 2 - i)); i = end + 2; in_comment = False
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i)); break
        elif line.startswith("/*", i):
            in_comment = True
        elif line[i] in "\"'":
            quote, j = line[i], i + 1
            while j < len(line) and line[j] != quote:
                j += 2 if line[j] == "\\" else 1
            out.append(" " * (min(j, len(line) - 1) + 1 - i)); i = j + 1
        else:
            out.append(line[i]); i += 1
    return "".join(out), in_comment

lines_with_sites = []
for name in files:
    with open(name, encoding="utf-8") as f:
        text = f.read().split("\n")
    in_comment = False
    for number, line in enumerate(text, 1):
        code, in_comment = blank_out(line, in_comment)
        stripped = code.strip()
        if not stripped or stripped.startswith(("#", "static_assert")):
            continue
        sites = []
        for m in OPERATOR.finditer(code):
            for new in OPERATORS[m.group()]:
                sites.append((m.start(), m.group(), new))
        for m in INTEGER.finditer(code):
            value = int(m.group())
            sites.append((m.start(), m.group(), str(value + 1)))
            if value > 0:
                sites.append((m.start(), m.group(), str(value - 1)))
        if sites:
            lines_with_sites.append((name, number, sites))

# A line is drawn first, then one of its mutants: a table of a hundred
# numbers on a line weighs no more than a line of logic.
rng = random.Random(seed)
rng.shuffle(lines_with_sites)
for name, number, sites in lines_with_sites:
    column, old, new = rng.choice(sites)
    print(f"{name}\t{number}\t{column}\t{old}\t{new}")
EOF

TOTAL_SITES="$(wc -l <"$WORK/mutants")"
echo "seed $SEED: $COUNT mutants drawn from $TOTAL_SITES lines in: $SITES"

# Applies one mutant to its file (the original is kept in $WORK/original).
apply_mutant() {
  python3 - "$1" "$2" "$3" "$4" "$5" <<'EOF'
import sys
name, number, column, old, new = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5]
with open(name, encoding="utf-8") as f:
    lines = f.read().split("\n")
line = lines[number - 1]
assert line[column:column + len(old)] == old, (name, number, line)
lines[number - 1] = line[:column] + new + line[column + len(old):]
with open(name, "w", encoding="utf-8") as f:
    f.write("\n".join(lines))
EOF
}

build() {
  # shellcheck disable=SC2086 # one word per target
  cmake --build "$BUILD_DIR" -j "$(nproc)" ${TARGETS:+--target $TARGETS} >"$WORK/build.log" 2>&1
}
ctest_run() {
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" -j "$(nproc)" --timeout "$TIMEOUT" \
    --stop-on-failure "$@" >"$WORK/test.log" 2>&1
}
run_tests() {
  set --
  [ -n "$TEST_REGEX" ] && set -- "$@" -R "$TEST_REGEX"
  [ -n "$TEST_LABEL" ] && set -- "$@" -L "$TEST_LABEL"
  ctest_run "$@"
}
# Fails when the folder's own test program fails a test that also fails
# under CTest (as the suite runs it: one test per process).
quick_kill() {
  [ -z "$TEST_REGEX" ] && [ -z "$TEST_LABEL" ] || return 1
  program=""
  for entry in $QUICK; do
    [ "${entry%%:*}" = "${1%%/*}" ] && program="${entry#*:}"
  done
  [ -n "$program" ] && [ -x "$BUILD_DIR/tests/$program" ] || return 1
  if (cd "$BUILD_DIR/tests" && QT_QPA_PLATFORM=offscreen timeout "$TIMEOUT" "./$program" \
      --gtest_brief=1 >"$WORK/quick.log" 2>&1); then
    return 1
  fi
  failed="$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_]*\.[A-Za-z0-9_]*\).*/\1/p' "$WORK/quick.log" |
    sort -u | paste -sd '|')"
  [ -n "$failed" ] || return 1
  ! ctest_run -R "^($failed)\$"
}

if [ "$LIST_ONLY" = 1 ]; then
  head -n "$COUNT" "$WORK/mutants" | while IFS="$(printf '\t')" read -r file line column old new; do
    echo "$file:$line: '$(echo "$old" | tr -d ' ')' -> '$(echo "$new" | tr -d ' ')'"
  done
  exit 0
fi

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  echo "no configured build in $BUILD_DIR: run scripts/build.sh first" >&2
  exit 2
fi
if [ "$BASELINE" = 1 ]; then
  echo "baseline: building and running the tests unchanged"
  if ! build; then cat "$WORK/build.log" >&2; echo "the unchanged sources do not build" >&2; exit 1; fi
  if ! run_tests; then
    tail -n 30 "$WORK/test.log" >&2
    echo "the unchanged sources fail a test: fix that first" >&2
    exit 1
  fi
fi

tested=0 killed=0 stillborn=0
SURVIVORS="$WORK/survivors"
: >"$SURVIVORS"
while IFS="$(printf '\t')" read -r file line column old new <&3; do
  [ "$tested" -lt "$COUNT" ] || break
  label="$file:$line: '$(echo "$old" | tr -d ' ')' -> '$(echo "$new" | tr -d ' ')'"
  cp "$file" "$WORK/original"
  CURRENT="$file"
  apply_mutant "$file" "$line" "$column" "$old" "$new"
  if ! build; then
    restore
    stillborn=$((stillborn + 1))
    echo "  skipped (does not compile): $label"
    continue
  fi
  tested=$((tested + 1))
  if quick_kill "$file"; then
    verdict=killed
    killed=$((killed + 1))
  elif run_tests; then
    verdict=survived
    echo "$label" >>"$SURVIVORS"
  else
    verdict=killed
    killed=$((killed + 1))
  fi
  restore
  printf '%3d/%d %-8s %s\n' "$tested" "$COUNT" "$verdict" "$label"
  printf '          %s\n' "$(sed -n "${line}p" "$file" | sed 's/^ *//')"
done 3<"$WORK/mutants"

# The build tree ends as the sources are.
build || true
echo
if [ "$tested" -gt 0 ]; then
  echo "seed $SEED: $killed of $tested mutants killed ($((100 * killed / tested)) %), $stillborn that did not compile skipped"
else
  echo "seed $SEED: no mutant tested"
fi
if [ -s "$SURVIVORS" ]; then
  echo "survivors (equivalent ones change nothing a user can see; the rest are gaps):"
  sed 's/^/  /' "$SURVIVORS"
fi
