#!/usr/bin/env bash
# The save-and-load chain: `verlano-sim play --save-every K` keeps the match
# at every K-th quiet moment and plays on from the file in a fresh game; its
# output, trace included, must be the straight run's byte for byte (but the
# speed figure of the summary line). Every variant, for each pair of levels
# given ("expert classic": expert opponents, a classic partner). With a seat
# of any level but classic, the reloaded matches must still search on the
# run's worker.
# usage: save_chain.sh VERLANO_SIM MATCHES SEED K "OPPONENTS PARTNER"...
set -euo pipefail
sim=$1 matches=$2 seed=$3 every=$4
shift 4
pairs=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The simulator's files stay in this run's own temporary folder.
export TMPDIR=$work

failed=0
for variant in nine romane romane-extra napoletane umbria; do
  for levels in "${pairs[@]}"; do
    set -- $levels
    run=(play --variant "$variant" --matches "$matches" --seed "$seed" --trace
         --opponents "$1" --partner "$2")
    "$sim" "${run[@]}" | sed 's/ hands\/s [0-9]*$//' >"$work/straight"
    "$sim" "${run[@]}" --save-every "$every" 2>"$work/err" | sed 's/ hands\/s [0-9]*$//' >"$work/chain"
    searches=$(sed -n 's/^verlano-sim: \([0-9]*\) searches on the worker after the first reload$/\1/p' "$work/err")
    worker=""
    [ "$levels" = "classic classic" ] || worker="; ${searches:-0} searches on the worker after the first reload"
    if [[ -n "$worker" && "${searches:-0}" -eq 0 ]]; then
      echo "NO WORKER: $variant opponents $1 partner $2: no search on the worker after a reload"
      cat "$work/err"
      failed=1
    elif cmp -s "$work/straight" "$work/chain"; then
      echo "same: $variant opponents $1 partner $2 ($(tail -1 "$work/chain")$worker)"
    else
      echo "DIFFERENT: $variant opponents $1 partner $2"
      cmp "$work/straight" "$work/chain" || true
      failed=1
    fi
  done
done
exit $failed
