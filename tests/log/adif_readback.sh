#!/usr/bin/env bash
# The demo log exported with r8control --export-adif, then read back by an ADIF library of its
# own (tcadif from npm, installed by scripts/test.sh) that accounts for every entry and field.
# Usage: adif_readback.sh R8CONTROL LOGFILE NODE_MODULES
set -euo pipefail
r8control=$1 log=$2 modules=$3
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v node >/dev/null || [ ! -d "$modules/tcadif" ]; then
  echo "node and tcadif are needed (scripts/test.sh installs them: scripts/npm_deps.sh)" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$r8control" --export-adif "$log" "$work/log.adi"
NODE_PATH="$modules" node "$here/adif_check.js" "$work/log.adi" "$log"
# A log that is not there is an error, and no file is left behind.
if "$r8control" --export-adif "$work/none.LOG" "$work/none.adi" 2>/dev/null; then
  echo "a missing log was reported as exported" >&2
  exit 1
fi
[ ! -e "$work/none.adi" ]
# Asked wrongly, it says how to ask, with no window.
status=0
"$r8control" --export-adif "$log" 2>/dev/null || status=$?
[ "$status" -eq 2 ]
