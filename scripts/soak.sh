#!/usr/bin/env bash
# Plays many whole matches of every variant through the game's frame loop in
# the sanitizer build, each run checking every card, count and result as it
# goes. Usage: soak.sh [MATCHES_PER_RUN] [SEED]  (defaults 50 and 1).
# Each variant runs with each deck, with and without the slow animation, and
# with the hand sort pressed now and then.
set -euo pipefail
cd "$(dirname "$0")/.."
matches=${1:-50}
seed=${2:-1}

build=${SOAK_BUILD:-build/test}
if [ ! -x "$build/bin/verlano-sim" ] || [ ! -f "$build/bin/res077.pak" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    -DVERLANO_TESTS=ON -DVERLANO_BENCH=ON -DVERLANO_SANITIZE=ON -DVERLANO_WERROR=ON >/dev/null
  cmake --build "$build" -j"$(nproc)" --target verlano-sim verlano_archive
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

runs=0 failed=0 total_matches=0 total_hands=0
start=$(date +%s)
for variant in nine romane romane-extra napoletane umbria; do
  for deck in trevigiano trent royal; do
    for slow in "" --slow; do
      runs=$((runs + 1))
      line=$("$build/bin/verlano-sim" play --variant "$variant" --deck "$deck" $slow --sort-key \
        --matches "$matches" --seed "$((seed + runs))" --quiet) || {
        failed=$((failed + 1))
        echo "FAILED: --variant $variant --deck $deck $slow --seed $((seed + runs))"
        continue
      }
      set -- $line
      total_matches=$((total_matches + $3))
      total_hands=$((total_hands + $9))
      echo "$variant $deck ${slow:-normal}: $line"
    done
  done
done
echo "soak: runs $runs matches $total_matches hands $total_hands failed $failed seconds $(( $(date +%s) - start ))"
[ "$failed" -eq 0 ]
