#!/usr/bin/env bash
# The dialog over a kept match, on a private X server: Continue is the
# default, so Return brings back the kept hand and counts nothing; Play asks
# first, and Escape, Return or No leave the match kept and the dialog open;
# SIGTERM with the question open ends the game as Escape would, the match
# kept; Yes gives the match up, counted as played (neither won nor lost) with
# its row's streak ended, and a new match is dealt. "Match my level" after
# Reset picks from the statistics the dialog shows, none.
#   kept_choice.sh GAME
# VERLANO_SHOTS=DIR keeps the dialog's question there, and the Options tab's
# levels with a player's rating.
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/kept_match.sh"

statistics=$XDG_DATA_HOME/verlano/statistics
# The human's nine cards, clear of the clock.
hand_cards() { on_screen 0 420 570 153 | awk '{ printf "%dx%d+%d+%d\n", $1, $2, $3, $4 }'; }
match_kept() { [ -e "$(match_file)" ]; }
# The kept match and the statistics are as they were before the dialog.
unchanged() {  # WHAT
  cmp -s "$(match_file)" "$scratch/kept" || fail "$1: the kept match changed or went"
  cmp -s "$statistics" "$scratch/counts" || fail "$1: the statistics changed: $(cat "$statistics")"
}
# The question Play asks, drawn over the dialog: sets QW QH QX QY.
question() {  # WHAT
  local box=
  poll 600 eval 'box=$(box_window)' || { cat "$out"; fail "$1: Play asked nothing"; }
  read -r QW QH QX QY < <(geometry "$box") || fail "$1: the question went as it showed"
  steady question "${QW}x$QH+$QX+$QY"
}
# Its two buttons fill its bottom edge: No on the left, Yes on the right.
answer() { xdotool mousemove $((QX + QW * $1 / 4)) $((QY + QH - 17)) click 1; }  # 1 (No) or 3 (Yes)
no_question() { ! box_window >/dev/null; }
reset_button=(108 349)  # on the Statistics tab, with a row counted
# The question is gone and the dialog still waits, the match kept.
still_offered() {  # WHAT
  poll 600 no_question || fail "$1: the question stayed"
  alive || { cat "$out"; fail "$1: the game ended"; }
  dialog_shown || fail "$1: the dialog closed"
  unchanged "$1"
}

game_copy "$scratch/game" yes
mkdir -p "$XDG_DATA_HOME/verlano"
printf 'verlano-statistics 1\nnine.classic played=3 won=3 lost=0 hands=25 sweeps=2 best-streak=3 streak=3\nend\n' \
  >"$statistics"

# A match kept at the human's first turn, left with Escape.
start "$scratch/game/verlano"
xdotool key Return
screen_area
wait_for_hand 9
table_settles
poll 600 match_kept || fail "no match kept at the human's turn"
shot left "$(hand_cards)"
xdotool key Escape
ends_with 0 "Escape at the table"
cp "$statistics" "$scratch/counts"

# 1. Return presses Continue: the same hand, nothing counted.
start "$scratch/game/verlano"
xdotool key Return
screen_area
wait_for_hand 9
table_settles
shot continued "$(hand_cards)"
same left continued || fail "Return did not bring back the kept hand"
cmp -s "$statistics" "$scratch/counts" || fail "Return counted a match: $(cat "$statistics")"
xdotool key Escape
ends_with 0 "Escape after Return"
echo "ok: with a kept match Return continues it, and nothing is counted"

# 2. Play asks first; Escape, Return (No is the default) and No keep the match.
cp "$(match_file)" "$scratch/kept"
start "$scratch/game/verlano"
press "${play_button[@]}"
question "Play"
if [ -n "${VERLANO_SHOTS:-}" ]; then
  shot asked "$(dialog_area)"
  convert "$scratch/asked.ppm" "$VERLANO_SHOTS/dialog_give_up.png"
fi
xdotool key Escape
still_offered "Play, then Escape"
press "${play_button[@]}"
question "Play again"
xdotool key Return
still_offered "Play, then Return"
press "${play_button[@]}"
question "Play a third time"
answer 1
still_offered "Play, then No"
echo "ok: Play asks before giving up the kept match; Escape, Return and No keep it, and the dialog stays"

# 3. A quit signal answers the question as No, and ends the game as Escape.
press "${play_button[@]}"
question "Play, then SIGTERM"
kill -TERM "$game_pid"
ends_with 143 "SIGTERM in the question"
unchanged "SIGTERM in the question"
echo "ok: SIGTERM with the question open ends with 143 and keeps the match"

# 4. Yes gives it up: counted as played, neither won nor lost, the streak ended.
start "$scratch/game/verlano"
press "${play_button[@]}"
question "Play, to give up"
answer 3
screen_area
wait_for_hand 9
# The file was written before the points were counted: they read, and are kept, as 0.
grep -qx 'nine.classic played=4 won=3 lost=0 hands=25 sweeps=2 best-streak=3 streak=0 points-for=0 points-against=0' "$statistics" ||
  fail "the match given up is counted as: $(cat "$statistics")"
! cmp -s "$(match_file)" "$scratch/kept" || fail "the match given up is still kept"
xdotool key Escape
ends_with 0 "Escape after giving up"
echo "ok: Yes gives the match up, counted as played and not lost, its streak ended, and a new match is dealt"

# 5. "Match my level" picks from the statistics the dialog shows: once Reset
# has forgotten the player's rating, Play deals the Classic opponents the
# Options tab then names, not the Master the forgotten rating was nearest.
rm -f "$(match_file)"
mkdir -p "$XDG_CONFIG_HOME/verlano"
printf 'verlano-settings 1\noptions match-my-level=1\nend\n' >"$XDG_CONFIG_HOME/verlano/settings"
printf 'verlano-statistics 1\nnine.classic played=20 won=18 lost=2 hands=90 sweeps=9 best-streak=9 streak=9\nnine.rating rating=2100 matches=20\nend\n' \
  >"$statistics"
rated() { [ -e "$statistics" ]; }
start "$scratch/game/verlano"
if [ -n "${VERLANO_SHOTS:-}" ]; then  # the Options page's levels, the rating's pick beside "Match my level"
  click "${tab_x[4]}" "$tab_y"
  wheel_down 300 250 6 "the wheel did not scroll the Options page"
  convert "$scratch/wheeled.ppm" "$VERLANO_SHOTS/dialog_options_match_level.png"
fi
click "${tab_x[5]}" "$tab_y"
press "${reset_button[@]}"
question "Reset"
answer 3
poll 600 no_question || fail "Reset: the question stayed"
poll 600 eval '! rated' || fail "Reset left the statistics: $(cat "$statistics")"
press "${play_button[@]}"
screen_area
wait_for_hand 9
poll 600 match_kept || fail "no match kept after Play"
grep -Eq '^options .* opponents=classic( |$)' "$(match_file)" ||
  fail "after Reset Play picked: $(grep '^options ' "$(match_file)")"
xdotool key Escape
ends_with 0 "Escape after Reset and Play"
echo "ok: after Reset, \"Match my level\" deals Classic opponents, as the reset statistics say"
