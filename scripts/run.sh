#!/usr/bin/env bash
# Installs what is missing, builds and starts the program on the built-in emulated receiver, in a
# working folder of its own (build/demo) seeded with the sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --run
scripts/build.sh -DR8_BUILD_TESTS=OFF -DR8_BUILD_BENCH=OFF
demo=build/demo
mkdir -p "$demo"
cp -rn data/demo/. "$demo"/
# The program starts its companion as QUORNUTE.EXE in its working folder.
build/quornute --text --install "$demo" >/dev/null
cd "$demo"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No graphical session found: running on a virtual display (Xvfb)." >&2
  exec xvfb-run -a ../r8control "$@"
fi
exec ../r8control "$@"
