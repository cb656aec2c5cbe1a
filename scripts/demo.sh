#!/usr/bin/env bash
# Sets up, builds, lays out the demo archive and starts a program on it.
#   scripts/demo.sh            starts Conversione
#   scripts/demo.sh utilita    starts Utilita
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-conversione}"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
bin="${BUILD_DIR:-$root/build}/bin"
export VANTORIMA_DRIVES="${VANTORIMA_DRIVES:-$root/demo/drives}"
"$bin/mkdemo" "$VANTORIMA_DRIVES"
echo "demo archive laid out in $VANTORIMA_DRIVES"
if [ ! -x "$bin/$program" ]; then
  echo "$program is not built yet; the demo archive is ready." >&2
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$bin/$program"
fi
exec "$bin/$program"
