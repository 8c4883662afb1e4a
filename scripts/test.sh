#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (core, sanitized core, windows offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
scripts/build.sh -DR8_BUILD_TESTS=ON -DR8_BUILD_BENCH=ON
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" --timeout 300
