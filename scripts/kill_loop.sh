#!/usr/bin/env bash
# Crash drill for the database files: kills the program's save, the companion's /t and /u and the
# EiBi import with SIGKILL at random moments (their steps slowed down so that a kill often lands
# half way), lets the next start put the folder right, and checks that every folder then holds
# exactly the old document or exactly the new one, with nothing left beside it, and loads.
#
#   scripts/kill_loop.sh [RUNS_PER_OPERATION]     (default 50: 200 runs in all)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-50}
scripts/deps.sh >/dev/null
scripts/build.sh -DR8_BUILD_BENCH=ON >/dev/null
root=$(pwd)
quornute="$root/build/quornute"
drill="$root/build/bench/save_drill"
season="$root/data/eibi/sked-a26.csv"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export R8_COMMIT_PAUSE_MS=${R8_COMMIT_PAUSE_MS:-40}

# The document: the database files of the folder, each with its bytes' checksum or "-".
document() {
  local f
  for f in STATIONS.DAT SWBCGIDE.DAT SKEDULE.TXT STATIONS.SRC SWBCGIDE.SRC STATIONS.SKD \
           SWBCGIDE.SKD; do
    if [ -e "$1/$f" ]; then echo "$f $(md5sum < "$1/$f" | cut -c1-32)"; else echo "$f -"; fi
  done
}

# Runs in a subshell of its own and becomes the program, so that the kill reaches the program.
operation() {  # (operation NAME FOLDER)
  case "$1" in
    save) exec "$drill" save "$2" ;;
    t) exec "$quornute" --text --folder "$2" /t ;;
    u) exec "$quornute" --text --folder "$2" /u ;;
    import) exec "$quornute" --text --folder "$2" --import-eibi "$season" ;;
  esac
}

# The folders each operation starts from.
base="$work/base"
mkdir -p "$base/save" "$base/t" "$base/u" "$base/import"
cp data/demo/STATIONS.DAT data/demo/SWBCGIDE.DAT "$base/save/"
cp data/demo/STATIONS.DAT data/demo/SWBCGIDE.DAT "$base/import/"
# /t converts a dump made by an import into the demo's saved database.
"$quornute" --text --folder "$base/t" --import-eibi "$season" >/dev/null
cp data/demo/STATIONS.DAT data/demo/SWBCGIDE.DAT "$base/t/"
# /u swaps the demo's set with another (the demo saved once by the drill).
cp data/demo/STATIONS.DAT data/demo/SWBCGIDE.DAT "$base/u/"
mkdir -p "$work/other" && cp data/demo/STATIONS.DAT data/demo/SWBCGIDE.DAT "$work/other/"
R8_COMMIT_PAUSE_MS=0 "$drill" save "$work/other"
cp "$work/other/STATIONS.DAT" "$base/u/STATIONS.SRC"
cp "$work/other/SWBCGIDE.DAT" "$base/u/SWBCGIDE.SRC"

total=0
failures=0
for op in save t u import; do
  # The new document and how long the whole run takes, from one run that is not killed.
  whole="$work/whole-$op"
  cp -r "$base/$op" "$whole"
  start=$(date +%s%N)
  (operation "$op" "$whole") >/dev/null 2>&1
  took_ms=$(( ($(date +%s%N) - start) / 1000000 ))
  old=$(document "$base/$op")
  new=$(document "$whole")
  if [ "$old" = "$new" ]; then
    echo "$op: the drill cannot tell the old document from the new one" >&2
    exit 1
  fi
  n_old=0 n_new=0 n_bad=0 n_mid=0
  for ((i = 1; i <= runs; i++)); do
    folder="$work/run-$op-$i"
    cp -r "$base/$op" "$folder"
    (operation "$op" "$folder") >/dev/null 2>&1 &
    pid=$!
    sleep "$(awk -v ms=$((RANDOM % (took_ms + 20))) 'BEGIN { printf "%.3f", ms / 1000 }')"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ "$("$drill" recover "$folder")" = "put right" ]; then n_mid=$((n_mid + 1)); fi
    now=$(document "$folder")
    left=$(find "$folder" \( -name '*.new' -o -name '*.old' -o -name 'COMMIT.LST*' \) | wc -l)
    if [ "$left" -eq 0 ] && "$drill" check "$folder" >/dev/null 2>&1 &&
       { [ "$now" = "$old" ] || [ "$now" = "$new" ]; }; then
      if [ "$now" = "$old" ]; then n_old=$((n_old + 1)); else n_new=$((n_new + 1)); fi
      rm -rf "$folder"
    else
      n_bad=$((n_bad + 1))
      echo "$op run $i: neither the old nor the new document (kept in $folder)" >&2
      trap - EXIT
    fi
  done
  echo "$op: $runs runs killed within ${took_ms} ms, $n_mid of them half way through a change:" \
       "$n_old old, $n_new new, $n_bad broken"
  total=$((total + runs))
  failures=$((failures + n_bad))
done
echo "$total runs, $failures broken"
[ "$failures" -eq 0 ]
