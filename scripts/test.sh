#!/usr/bin/env bash
# Sets up, builds and runs every test headless: widget tests on Qt's offscreen
# platform, window-walk tests on an Xvfb display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${BUILD_DIR:-$root/build}"
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "$(nproc)" "$@"
