#!/usr/bin/env bash
# Recorded matches replayed: `verlano-sim play --record DIR` in every variant
# (and with searching seats), then `verlano-sim replay` of its records prints
# the hand and match lines play printed, byte for byte; a record with a play
# spoilt is refused with the file and the reason. A run kept and reloaded
# at every third quiet moment records the same matches. A --record folder is
# named relative to the working folder; one that cannot be used is a usage error.
#   record_replay.sh SIM
set -euo pipefail
sim=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

replays() {  # NAME ARGS...
  local name=$1
  shift
  mkdir "$work/$name"
  "$sim" play "$@" --record "$work/$name" | grep -v '^summary ' >"$work/$name.played"
  "$sim" replay "$work/$name"/match-*.rec >"$work/$name.replayed" ||
    fail "$name: the records did not replay"
  if ! cmp -s "$work/$name.played" "$work/$name.replayed"; then
    diff "$work/$name.played" "$work/$name.replayed" | head -5 >&2
    fail "$name: the replay differs from the play"
  fi
  echo "ok: $name: $(ls "$work/$name" | wc -l) records replayed as played"
}

for variant in nine romane romane-extra napoletane umbria; do
  replays "$variant" --variant "$variant" --matches 30 --seed 3
done
replays levels --variant nine --matches 3 --seed 4 --opponents strong --partner beginner

# Kept and loaded into a fresh game at every third quiet moment, the match
# carries its hand's story through the file: the records are the straight run's.
replays chain --variant romane --matches 10 --seed 3 --save-every 3
for record in "$work/chain"/match-*.rec; do
  cmp -s "$record" "$work/romane/$(basename "$record")" ||
    fail "the reloaded run's $(basename "$record") differs from the straight run's"
done
echo "ok: records of a run reloaded from its files are the straight run's"

# The first play of the second hand given to the seat after it.
record=$work/nine/match-0001.rec
awk '$1 == "play.2.1" { sub(/seat=[0-9]/, "seat=" (substr($2, 6) + 1) % 4) } { print }' \
  "$record" >"$work/spoilt.rec"
if "$sim" replay "$work/spoilt.rec" >/dev/null 2>"$work/spoilt.err"; then
  fail "a spoilt record replayed"
fi
grep -q "spoilt.rec: hand 2, play 1: seat [0-3] plays where seat [0-3] is to play" \
  "$work/spoilt.err" || fail "the spoilt record's reason: $(cat "$work/spoilt.err")"
echo "ok: a spoilt record is refused with its hand and play"

# The folder named as to any tool, relative to the working folder, made when
# missing (a folder above it too), records what the run played.
(cd "$work" && "$sim" play --variant nine --matches 2 --seed 3 --record recs/new/) |
  grep -v '^summary ' >"$work/relative.played" || fail "a relative --record folder was refused"
"$sim" replay "$work/recs/new"/match-*.rec >"$work/relative.replayed" ||
  fail "the records of a relative folder did not replay"
cmp -s "$work/relative.played" "$work/relative.replayed" ||
  fail "the records of a relative folder differ from the play"
echo "ok: a relative --record folder is made and recorded in"

# A folder that cannot be used is a fault of the command line: its reason
# and the usage, status 2, and no run begun.
: >"$work/plain"
status=0
"$sim" play --variant nine --matches 1 --seed 3 --record "$work/plain" >/dev/null \
  2>"$work/plain.err" || status=$?
[ "$status" -eq 2 ] || fail "--record naming a file exited $status"
grep -q "^verlano-sim play: the folder .*plain is a file" "$work/plain.err" &&
  grep -q "^usage: " "$work/plain.err" && ! grep -q "broken check" "$work/plain.err" ||
  fail "--record naming a file: $(cat "$work/plain.err")"
echo "ok: an unusable --record folder is a usage error"
