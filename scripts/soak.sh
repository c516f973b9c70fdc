#!/usr/bin/env bash
# Plays many whole matches through the game's frame loop under AddressSanitizer
# and UndefinedBehaviorSanitizer, verlano-sim checking every card, count and
# result every frame. Usage: soak.sh [MATCHES] [SEED]  (defaults 20000 and 1).
# The matches are spread over 30 runs: each variant with each deck, with and
# without the slow animation, the hand sort pressed now and then; the runs with
# the royal deck have the expert player at the three computer seats. The runs go
# side by side on SOAK_JOBS cores (default all), a progress line every
# SOAK_PROGRESS seconds (default 30), the totals at the end. The build is
# build/soak (optimised, sanitizers on) unless SOAK_BUILD names another.
set -euo pipefail
# Read whole before it runs, so that a checkout during a long soak cannot change it.
{
cd "$(dirname "$0")/.."
matches=${1:-20000}
seed=${2:-1}
jobs=${SOAK_JOBS:-$(nproc)}
[[ "$matches" =~ ^[1-9][0-9]*$ && "$seed" =~ ^[0-9]+$ ]] ||
  { echo "usage: soak.sh [MATCHES] [SEED]" >&2; exit 2; }

build=${SOAK_BUILD:-build/soak}
# A build already configured (CI's test build) is used as it is.
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERLANO_SANITIZE=ON \
    -DVERLANO_WERROR=ON >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
fi
cmake --build "$build" -j"$(nproc)" --target verlano-sim verlano_archive >/dev/null
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

out=$build/soak-runs
rm -rf "$out" && mkdir -p "$out"
# One line per run: index, variant, deck, animation, matches, seed.
runs=0
for variant in nine romane romane-extra napoletane umbria; do
  for deck in trevigiano trent royal; do
    for speed in normal slow; do
      share=$((matches / 30 + (runs < matches % 30 ? 1 : 0)))
      [ "$share" -gt 0 ] && echo "$runs $variant $deck $speed $share $((seed + runs))"
      runs=$((runs + 1))
    done
  done
done >"$out/plan"

run_one() {  # index variant deck speed matches seed
  local slow="" levels=""
  [ "$4" = slow ] && slow=--slow
  [ "$3" = royal ] && levels="--opponents expert --partner expert"
  if "$SIM" play --variant "$2" --deck "$3" $slow $levels --sort-key --matches "$5" --seed "$6" \
    >"$OUT/$1.out" 2>"$OUT/$1.err"; then
    echo "$2 $3 $4 seed $6: $(tail -1 "$OUT/$1.out")"
  else
    echo "BROKEN: --variant $2 --deck $3 $slow $levels --matches $5 --seed $6 (exit $?)"
    tail -5 "$OUT/$1.err"
    echo "$*" >>"$OUT/broken"
  fi
}
export -f run_one
export SIM=$build/bin/verlano-sim OUT=$out

played() { cat "$out"/*.out 2>/dev/null | grep -c '^match [0-9]* \(won\|lost\)' || true; }
start=$(date +%s)
(
  while sleep "${SOAK_PROGRESS:-30}"; do
    echo "soak: $(played)/$matches matches after $(($(date +%s) - start)) s"
  done
) &
progress=$!
trap 'kill "$progress" 2>/dev/null || true' EXIT
xargs -P "$jobs" -L 1 bash -c 'run_one "$@"' _ <"$out/plan"
kill "$progress" 2>/dev/null || true

seconds=$(($(date +%s) - start))
broken=0
[ -f "$out/broken" ] && broken=$(wc -l <"$out/broken")
cat "$out"/*.out | awk -v runs="$(wc -l <"$out/plan")" -v broken="$broken" -v seconds="$seconds" '
  /^summary/ { for (i = 2; i < NF; i += 2) sum[$i] += $(i + 1) }
  END {
    printf "soak: runs %d matches %d won %d hands %d frames %d seconds %d hands/s %.0f broken %d\n",
      runs, sum["matches"], sum["won"], sum["hands"], sum["frames"], seconds,
      seconds ? sum["hands"] / seconds : 0, broken
  }'
[ "$broken" -eq 0 ]
exit
}
