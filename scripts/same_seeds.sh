#!/usr/bin/env bash
# Same seeds, same output: runs two builds of verlano-sim on the same seeds
# and compares what they print byte for byte (speed figures aside).
#   bash scripts/same_seeds.sh BASE_SIM NEW_SIM [MATCHES]
# Each binary needs res077.pak beside it. Exits 1 on the first difference.
set -euo pipefail

base=$1
new=$2
matches=${3:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# The speed figures change from run to run; everything else must not.
steady() {
  sed -E 's/ (hands|matches)\/s [0-9.]+//; s/ expert decisions .*//'
}

# compare NAME ARGS...: with $input set, both read that file on standard input.
input=/dev/null
compare() {
  local name=$1
  shift
  "$base" "$@" <"$input" 2>&1 | steady >"$work/base" || true
  "$new" "$@" <"$input" 2>&1 | steady >"$work/new" || true
  if cmp -s "$work/base" "$work/new"; then
    echo "same  $name ($(wc -l <"$work/new") lines)"
  else
    echo "DIFF  $name"
    diff "$work/base" "$work/new" | head -5
    failed=1
  fi
}

for variant in nine romane romane-extra napoletane umbria; do
  compare "play $variant" play --variant "$variant" --matches "$matches" --seed 11
  compare "play $variant trace" play --variant "$variant" --matches 3 --seed 5 --trace
  compare "play $variant slow" play --variant "$variant" --matches 20 --seed 12 --slow
  compare "play $variant sort-key" play --variant "$variant" --matches 20 --seed 13 --sort-key
  compare "play $variant experts" play --variant "$variant" --matches 10 --seed 11 \
    --opponents expert --partner expert
  compare "play $variant expert partner" play --variant "$variant" --matches 5 --seed 14 \
    --partner expert --trace
  compare "duel $variant classic" duel --variant "$variant" --matches 2000 --seed 7 \
    --us classic --them classic --threads 1
  compare "duel $variant expert" duel --variant "$variant" --matches 6 --seed 7 \
    --us expert --them classic --threads 2
done

# The one-line questions: the classic player's choice and the hand score.
cat >"$work/choose" <<'LINES'
variant=nine hand=7S,KC table=7D,3H,4S played=3:1,4:1,7:1 out=
variant=nine hand=6C,7C table=KC played=7:3
variant=nine hand=6C,7C table=KC played=7:3 out=7D
variant=romane hand=KC,2D,2C,7S,QH table=AC,2H,3S,4C,6C,7D played=1:1,2:1,3:1,4:1,6:1,7:1
variant=romane-extra hand=KC,KD,6C table= out=7D
variant=umbria hand=KC,6C,5D table=5C played=5:1
variant=napoletane hand=4H,5C,QS table=2C,6C,AH played=2:1,6:1,1:1
variant=romane hand=KC table=2C,2H,2S,3C,3H,3S,4C,4H,4S,5C,5H,5S,6C,6H,6S,AC,AH,AS,7D
variant=nine hand=5C,5H,5S table=
variant=nine hand=2S,QS table=2C,6C played=2:1,6:1
LINES
cat >"$work/score" <<'LINES'
variant=nine we=7D,AD,2D they=AC wesweeps=1 theysweeps=0
variant=romane we=AD,2D,3D,4D,5D,KD,7C,7H they=6D,7D,JD,QD,6C,6H,6S wesweeps=2
variant=romane-extra we=AD,2D,3D,4D,5D,KD they=6D,7D,JD,QD theysweeps=3
variant=umbria we=KC,QD,JH,KS they=JC,KD,QH,JS
variant=napoletane we=2C,2D,2H,2S they=7C,7H,7S,6C,6H,6S
LINES
input=$work/choose compare "choose" choose
input=$work/score compare "score" score

exit $failed
