#!/usr/bin/env bash
# Installs what is missing, builds and starts the program in a folder of its own with the sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --run
scripts/build.sh -DR8_BUILD_TESTS=OFF -DR8_BUILD_BENCH=OFF
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No graphical session found (DISPLAY and WAYLAND_DISPLAY are empty): start this from a desktop." >&2
  exit 1
fi
# The program reads and writes its files in the working directory; keep the demo's apart from the tree.
demo=build/demo
mkdir -p "$demo"
cp -rn data/. "$demo"/ 2>/dev/null || true
cd "$demo"
exec ../r8control "$@"
