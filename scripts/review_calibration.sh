#!/usr/bin/env bash
# The coach's judgement held against the play it judges: records MATCHES
# matches of VARIANT with the expert at seats 1 and 3 and the classic player
# at seats 0 and 2, reviews every seat of every record, and prints the mean
# points given up per play of each side's seats and the correlation, over
# every hand and side, between the side's points given up and the hand's
# margin (the side's points minus the other side's).
#   bash scripts/review_calibration.sh SIM VARIANT MATCHES SEED
set -euo pipefail

sim=$1
variant=$2
matches=$3
seed=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$sim" play --variant "$variant" --matches "$matches" --seed "$seed" --opponents expert \
  --record "$work" --quiet >/dev/null
for record in "$work"/match-*.rec; do
  for seat in 0 1 2 3; do
    "$sim" review "$record" --seat "$seat" | grep '^review hand [0-9]* seat ' |
      sed "s|^|${record##*/} |"
  done
done >"$work/hands"

# A hand line: RECORD review hand H seat S plays P given-up G margin M match-given-up T
awk -v variant="$variant" '
  $12 == "-" { next }
  {
    side = $6 % 2
    plays[side] += $8; givenUp[side] += $10
    key = $1 " " $4 " " side
    handGivenUp[key] += $10; margin[key] = $12
  }
  END {
    for (key in handGivenUp) {
      x = handGivenUp[key]; y = margin[key]; n++
      sx += x; sy += y; sxx += x * x; syy += y * y; sxy += x * y
    }
    r = (n * sxy - sx * sy) / sqrt((n * sxx - sx * sx) * (n * syy - sy * sy))
    printf "calibration variant %s classic %.3f expert %.3f plays %d/%d correlation %.3f hand-sides %d\n",
      variant, givenUp[0] / plays[0], givenUp[1] / plays[1], plays[0], plays[1], r, n
  }' "$work/hands"
