#!/usr/bin/env bash
# Installs the npm packages the tests use into build/node_modules, but only when missing:
# tcadif, an ADIF library the ADIF export is read back with.
set -euo pipefail
cd "$(dirname "$0")/.."
want="tcadif@2.4.0"
if [ -f build/node_modules/tcadif/package.json ]; then exit 0; fi
mkdir -p build
for attempt in 1 2 3; do
  if npm install --silent --no-audit --no-fund --no-package-lock --no-save --prefix build "$want"; then
    exit 0
  fi
  echo "npm install $want failed (attempt $attempt)" >&2
  sleep 5
done
exit 1
