#!/usr/bin/env bash
# The player's memory on a private X server: a match left with Escape at the
# human's turn is offered by the next start's dialog, and Continue (Alt+C)
# brings back the same hand on the same table; M mutes (the mark is drawn and
# the settings remember it); the Statistics tab shows a kept record; the same
# match, brought to its deciding hand and played out with the mouse, counts in
# the statistics, moves the player's rating there and leaves no kept match
# behind.
#   player_memory.sh GAME
# VERLANO_SHOTS=DIR keeps the dialog's offer, the Statistics tab before and
# after the match, and the score page that ends it there.
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/kept_match.sh"

kept() { grep -q '^verlano-match 1$' "$(match_file)" 2>/dev/null; }
muted() { grep -q 'muted=1' "$XDG_CONFIG_HOME/verlano/settings" 2>/dev/null; }
hand_area() { on_screen 0 420 800 153 | awk '{ printf "%dx%d+%d+%d\n", $1, $2, $3, $4 }'; }

game_copy "$scratch/game" yes
mkdir -p "$XDG_DATA_HOME/verlano"
printf 'verlano-statistics 1\nnine.classic played=7 won=4 lost=3 hands=68 sweeps=9 best-streak=3 streak=1 points-for=150 points-against=120\nromane.expert played=2 won=0 lost=2 hands=9 sweeps=1 best-streak=0 streak=0 points-for=20 points-against=31\nnine.rating rating=1587 matches=7\nromane.rating rating=1461 matches=2\nend\n' \
  >"$XDG_DATA_HOME/verlano/statistics"

# 1. A new match, left with Escape at the human's first turn.
new_match_kept
shot before "$(hand_area)"
xdotool key m
poll 600 muted || fail "M did not reach the settings"
echo "ok: the match is kept at the human's turn; M mutes and is remembered"
xdotool key Escape
ends_with 0 "Escape at the table"
kept || fail "the kept match went with Escape"

# 2. The next start offers it; Continue brings back the same hand.
start "$scratch/game/verlano"
shot offer "$(dialog_area)"
keep_shot offer dialog_continue
click "${tab_x[5]}" "$tab_y"
shot statistics "$(dialog_area)"
keep_shot statistics dialog_statistics
xdotool key alt+c
screen_area
wait_for_hand 9
table_settles
shot after "$(hand_area)"
same before after || fail "the continued match does not show the hand that was left"
shot muted_table
keep_shot muted_table table_muted
echo "ok: the dialog offers the kept match and Continue shows the same hand"
xdotool key Escape
ends_with 0 "Escape after Continue"

# 3. The kept match, its total put at the target, is continued and its hands
# played out with the mouse until it is decided: it counts once, its hands
# with it, in its row alone, and the kept match is gone, also after Escape on
# the score page.
statistics=$XDG_DATA_HOME/verlano/statistics
row() { grep "^$1 " "$statistics" 2>/dev/null; }  # KEY
counted() { row nine.classic | grep -q " hands=$1 "; }  # HANDS
# The match file keeps the hands played in its tally until the match is
# decided; then it is removed.
hand_kept() { [ ! -e "$(match_file)" ] || grep -Eq "^match .* tally-hands=$1( |$)" "$(match_file)"; }  # HANDS
next_hand() { xdotool mousemove $(point 400 300) click 1; hand_shows 9; }
other_row=$(row romane.expert)
first_row=$(row nine.classic)
make_deciding
start "$scratch/game/verlano"
xdotool key alt+c
screen_area
wait_for_hand 9
hands_played=0
while :; do
  play_out_hand 9
  hands_played=$((hands_played + 1))
  poll 1800 hand_kept $hands_played || fail "the hand played out was not kept: $(grep '^match ' "$(match_file)")"
  [ -e "$(match_file)" ] || break
  [ "$(row nine.classic)" = "$first_row" ] || fail "a hand of the match going on was counted: $(row nine.classic)"
  poll 600 next_hand || fail "the score page did not deal the next hand"
done
# The match file is removed before the match is counted.
poll 1800 counted $((68 + hands_played)) || fail "the decided match was not counted: $(row nine.classic)"
# Our side may still lose: it can score nothing hand after hand while theirs
# passes the target. Either way the match counts once, in its result's column.
result=$(row nine.classic | awk -v hands=$((68 + hands_played)) '
  { for (i = 2; i <= NF; ++i) { split($i, kv, "="); f[kv[1]] = kv[2] } }
  END {
    won = f["won"] == 5 && f["lost"] == 3 && f["streak"] == 2 && f["points-for"] > 150
    lost = f["won"] == 4 && f["lost"] == 4 && f["streak"] == 0 && f["points-against"] > 120
    if (f["played"] == 8 && f["hands"] == hands && f["sweeps"] >= 9 && f["best-streak"] == 3 &&
        f["points-for"] >= 150 && f["points-against"] >= 120 && (won || lost))
      print won ? "won" : "lost"
  }') || true
[ -n "$result" ] || fail "the decided match is counted as: $(row nine.classic)"
[ "$(row romane.expert)" = "$other_row" ] || fail "another row changed: $(row romane.expert)"
# The result moves the player's nine-card rating (up for a win, down for a
# loss), resting on one match more.
row nine.rating | awk -v won="$([ "$result" = won ] && echo 1 || echo 0)" '
  { rating = substr($2, 8) + 0 }
  END { exit !($3 == "matches=8" && (won ? rating > 1587 : rating < 1587)) }' ||
  fail "the $result match rated as: $(row nine.rating)"
[ "$(row romane.rating)" = "romane.rating rating=1461 matches=2" ] ||
  fail "another variant's rating changed: $(row romane.rating)"
[ ! -e "$(match_file)" ] || fail "the decided match is still kept"
table_settles
keep_shot settled score_match_over
echo "ok: the match played to its end at the table ($hands_played hand(s), $captures_chosen captures chosen in the last) is counted as $result, rated, and no longer kept"
counts=$(cat "$statistics")
xdotool key Escape
ends_with 0 "Escape on the last score page"
[ ! -e "$(match_file)" ] || fail "Escape on the last score page kept the decided match"
[ "$(cat "$statistics")" = "$counts" ] || fail "Escape on the last score page changed the statistics"
start "$scratch/game/verlano"
click "${tab_x[5]}" "$tab_y"
shot counted "$(dialog_area)"
keep_shot counted dialog_statistics_counted
xdotool key Escape
ends_with 0 "Exit after the counted match"
[ ! -e "$(match_file)" ] || fail "a match is kept after the dialog"
echo "ok: after Escape the match stays counted once and none is kept"
