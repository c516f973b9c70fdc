#!/usr/bin/env bash
# Builds the fuzz targets (scripts/fuzz_build.sh) and runs one or all of them
# for a bounded time from the seed corpus in fuzz/corpus/TARGET.
# Usage: fuzz.sh [TARGET] [SECONDS] [JOBS]
#   TARGET   pak_read, pak_unpack, match_load, record_read or all (default all, one after
#            the other)
#   SECONDS  wall-clock time per target (default 30)
#   JOBS     fuzzer processes per target, side by side on one shared corpus (default 1)
# New inputs go to build/fuzz/corpus/TARGET, crashes to build/fuzz/artifacts/TARGET.
# The totals line counts the inputs run by all jobs together.
set -euo pipefail
# Read whole before it runs, so that a checkout during a long run cannot change it.
{
cd "$(dirname "$0")/.."
target=${1:-all}
seconds=${2:-30}
jobs=${3:-1}
case "$target" in
  all) targets="pak_read pak_unpack match_load record_read" ;;
  pak_read | pak_unpack | match_load | record_read) targets=$target ;;
  *) echo "usage: fuzz.sh [pak_read|pak_unpack|match_load|record_read|all] [SECONDS] [JOBS]" >&2
     exit 2 ;;
esac
[[ "$seconds" =~ ^[1-9][0-9]*$ && "$jobs" =~ ^[1-9][0-9]*$ ]] ||
  { echo "fuzz.sh: SECONDS and JOBS are whole numbers from 1" >&2; exit 2; }

bash scripts/fuzz_build.sh
build=build/fuzz
export ASAN_OPTIONS=detect_leaks=1
for t in $targets; do
  corpus=$build/corpus/$t
  artifacts=$build/artifacts/$t
  logs=$build/logs/$t
  mkdir -p "$corpus" "$artifacts" "$logs"
  rm -f "$logs"/job-*.log
  # A match file is some 13 to 20 KB, a match's record as much; an archive's
  # header and directory far less.
  case "$t" in
    match_load | record_read) max_len=65536 ;;
    *) max_len=4096 ;;
  esac
  pids=()
  for ((j = 1; j <= jobs; j++)); do
    "$build/bin/fuzz_$t" "$corpus" "fuzz/corpus/$t" -max_total_time="$seconds" -max_len="$max_len" \
      -print_final_stats=1 -artifact_prefix="$artifacts/" >"$logs/job-$j.log" 2>&1 &
    pids+=($!)
  done
  failed=0
  for ((j = 1; j <= jobs; j++)); do
    wait "${pids[j - 1]}" || { failed=1; echo "fuzz $t job $j failed:"; tail -40 "$logs/job-$j.log"; }
  done
  [ "$failed" -eq 0 ] || exit 1
  inputs=$(cat "$logs"/job-*.log | awk '/stat::number_of_executed_units/ { n += $2 } END { print n + 0 }')
  echo "fuzz $t: $inputs inputs in ${seconds} s by $jobs job(s), $((inputs / seconds)) inputs/s," \
    "corpus $(ls "$corpus" | wc -l) files"
done
exit
}
