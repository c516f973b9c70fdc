#!/usr/bin/env bash
# Runs the whole end-to-end suite of the test build N times in a row, one line
# a run, to show that it never fails by chance; E2E_BUSY=K keeps K busy loops
# running beside it for the whole time, as a loaded machine would.
#
#   bash scripts/e2e_repeat.sh N [LOGS]   # LOGS: where each run's ctest output goes
#
# Needs the test build (`bash scripts/test.sh` makes it). Exits 1 if any run failed.
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:?usage: e2e_repeat.sh N [LOGS]}
logs=${2:-$(mktemp -d "${TMPDIR:-/tmp}/verlano-e2e-XXXXXX")}
mkdir -p "$logs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

busy=()
stop_busy() { [ ${#busy[@]} -eq 0 ] || kill "${busy[@]}" 2>/dev/null; }
trap stop_busy EXIT
for _ in $(seq "${E2E_BUSY:-0}"); do
  bash -c 'while :; do :; done' &
  busy+=($!)
done

passed=0
for i in $(seq "$runs"); do
  start=$SECONDS
  if ctest --test-dir build/test -R '^e2e_' --output-on-failure >"$logs/run_$i.log" 2>&1; then
    result=passed
    passed=$((passed + 1))
  else
    result="FAILED (see $logs/run_$i.log)"
  fi
  echo "e2e run $i: $result in $((SECONDS - start)) s, load $(cut -d' ' -f1 /proc/loadavg)"
done
echo "e2e-repeat: runs $runs passed $passed"
[ "$passed" -eq "$runs" ]
