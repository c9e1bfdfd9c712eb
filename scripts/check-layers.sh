#!/bin/bash
# Checks that every #include "…" between the source folders points down the
# floors of the house (README, "Layout"), and that the plain C++ floors use
# no Qt header.  Prints each offending line and fails when there is one.
set -u
cd "$(dirname "$0")/.."

# The folders each floor may include, besides itself.
declare -A MAY=(
  [engine]=""
  [astro]="engine"
  [textdata]="engine"
  [framework]="engine"
  [content]="engine astro textdata"
  [render]="content engine astro textdata"
  [state]="framework content engine astro textdata"
  [ui]="render state framework content engine astro textdata"
  [shell]="ui render state framework content engine astro textdata"
  [tools]="render content textdata astro engine"
  [bench]="content textdata astro engine"
  [fuzz]="textdata engine"
)
# Floors that must build without Qt.
PLAIN="engine astro textdata content tools/korvane_print.cpp bench fuzz"

bad=0
report() { echo "$1"; bad=1; }

while IFS= read -r file; do
  floor=${file%%/*}
  allowed="$floor"
  if [ "$floor" = tests ]; then
    # A test folder mirrors its floor and may also use the test support.
    sub=${file#tests/}; sub=${sub%%/*}
    [ -n "${MAY[$sub]+x}" ] || continue
    allowed="$sub ${MAY[$sub]} support"
  else
    [ -n "${MAY[$floor]+x}" ] || continue
    allowed="$floor ${MAY[$floor]}"
  fi
  while IFS=: read -r line text; do
    target=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<<"$text")
    case $target in */*) ;; *) continue ;; esac
    to=${target%%/*}
    case " $allowed " in *" $to "*) ;; *) report "$file:$line: $floor may not include $target" ;; esac
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
done < <(git ls-files '*.cpp' '*.h' '*.inc')

for part in $PLAIN; do
  while IFS= read -r hit; do
    report "$hit: a plain C++ floor includes a Qt header"
  done < <(git ls-files "$part" | grep -E '\.(cpp|h|inc)$' | xargs -r grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' /dev/null)
done

if [ $bad -ne 0 ]; then
  echo "check-layers: includes point up the floors (see the README's layout table)"
  exit 1
fi
echo "check-layers: every include points down"
