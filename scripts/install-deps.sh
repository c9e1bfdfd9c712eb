#!/bin/sh
# Installs, from Debian's packages, everything コルヴァン needs to build,
# run and test.  Packages already present are left alone.
set -e

PACKAGES="
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic
  qt6-translations-l10n
  xvfb xauth
  python3 python3-ephem python3-icalendar
  desktop-file-utils appstream dpkg-dev
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
