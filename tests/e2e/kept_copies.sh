#!/usr/bin/env bash
# The kept match and its record against two copies and a stopped run, on a
# private X server. One match, kept in two state folders over one data
# folder, is continued by two copies at once: the first goes on in the
# match's record, the second says in one line that it records the match in a
# copy, and no record has two writers. Then a card played and Escape before
# the next turn: the kept match is left marked as after a play, so that
# continued it goes back before that play only as taken back.
#   kept_copies.sh GAME
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/kept_match.sh"

matches=$XDG_DATA_HOME/verlano/matches
records() { find "$matches" -maxdepth 1 -name '*.rec' | wc -l; }
marked() { grep -qx 'left after-play=1' "$(match_file)" 2>/dev/null; }
other_copy='is being written by another copy of the game; this copy records the match in'

game_copy "$scratch/game" yes

# A match kept at the human's first turn, its record begun, left with Escape.
new_match_kept
xdotool key Escape
ends_with 0 "Escape at the table"
[ "$(records)" = 1 ] || fail "the match began $(records) records, not 1"
cp -r "$XDG_STATE_HOME" "$scratch/state2"

# 1. Both copies continue it, each from its own state folder.
out=$scratch/first.out
start "$scratch/game/verlano"
first=$game_pid
on_exit+=("kill $first 2>/dev/null")
xdotool key Return
wait_for_hand 9
out=$scratch/second.out
start env XDG_STATE_HOME="$scratch/state2" "$scratch/game/verlano"
second=$game_pid
on_exit+=("kill $second 2>/dev/null")
xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) windowfocus --sync "$dialog" key Return
poll 1200 said "$other_copy" || { cat "$out"; fail "two copies: the second did not say it records a copy"; }
[ "$(grep -c "$other_copy" "$out")" = 1 ] || fail "two copies: the second said it more than once"
! grep -q "$other_copy" "$scratch/first.out" || fail "two copies: the first did not keep the record"
[ "$(records)" = 2 ] || fail "two copies: $(records) records, not 2"
kill -TERM "$first" "$second"
game_pid=$first out=$scratch/first.out
ends_with 143 "the first copy"
game_pid=$second out=$scratch/second.out
ends_with 143 "the second copy"
echo "ok: two copies continuing one kept match write two records, the second saying so in one line"

# 2. A card played, Escape before the next turn: the kept match says the
# play was made from it.
out=$scratch/out
start "$scratch/game/verlano"
xdotool key Return
screen_area
wait_for_hand 9
table_settles
! marked || fail "the kept match is marked before any play"
poll 600 last_card_gone 8 || fail "the human's card 8 never left the hand"
poll 600 marked || fail "the play made did not mark the kept match"
xdotool key Escape
ends_with 0 "Escape after a play"
marked || fail "the mark went with Escape"
echo "ok: a play made and left before the next turn leaves the kept match marked"
