#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test the programs,
# and the further packages named as arguments (scripts/fuzz.sh names clang's).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libsqlite3-dev
          libzip-dev mdbtools-dev mdbtools libx11-dev libgtest-dev libgmock-dev xvfb xauth unzip zip sqlite3 fonts-dejavu-core poppler-utils
          qt6-svg-dev "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
