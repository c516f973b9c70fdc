#!/usr/bin/env bash
# A whole hand played with the keyboard alone on a private X server, no
# button pressed at the table: each turn a digit key highlights the human's
# last card (drawn lifted) and Return plays it; when it takes, Tab moves the
# highlight to each card the rules allow (the table read from the match file
# the game keeps at each turn) and Space takes it; the hand ends on its score
# page.
#   keyboard_play.sh GAME
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/kept_match.sh"

# The plan's cards as places in the keyboard's order of the table cards: left
# to right, then top to bottom, counted from 0; ascending. The places are
# sorted as written and matched by their whole pixels, as the plan gives them:
# awk's own printing would round 345.99997 up to the next pixel.
capture_ranks() {  # PLAN
  local cards
  cards=$(awk '
    function fields(r, i) {
      delete f
      for (i = 2; i <= NF; ++i) { split($i, r, "="); f[r[1]] = r[2] }
    }
    $1 == "table" { fields(); n = f["count"] + 0 }
    $1 ~ /^on-table\./ && substr($1, 10) + 0 < n { fields(); print f["x"], f["y"] }
    ' "$(match_file)" | sort -g -k1,1 -k2,2)
  while read -r w h x y px py; do
    awk -v x="$x" -v y="$y" 'int($1) == x && int($2) == y { print NR - 1; exit }' <<<"$cards"
  done <<<"$1" | sort -n
}

# The human's card N (from 0) is drawn lifted: the cloth above its place is covered.
lifted() {  # N
  still_playing
  shot lifted
  ! baize lifted $(($(card_x "$1") + 30)) 415 20 3
}
# The human's card N has left the hand: the cloth shows where it lay.
card_left() {  # N
  still_playing
  shot played
  baize played $(($(card_x "$1") + 37)) 425 50 25
}
table_area() { on_screen 100 0 600 410 | awk '{ printf "%dx%d+%d+%d\n", $1, $2, $3, $4 }'; }
# KEY pressed once, then until the table above the hand shows its effect.
key_shows() {  # KEY WHAT
  shot before "$(table_area)"
  xdotool key "$1"
  poll 600 shot_differs after before "$(table_area)" || fail "$2 changed nothing on the table"
}
hand_over() { grep -q '^turn .*state=END_OF_MATCH' "$(match_file)" 2>/dev/null; }

game_copy "$scratch/game" yes
start "$scratch/game/verlano"
xdotool key Return
screen_area
wait_for_hand 9
xdotool mousemove $(point 400 2)  # the pointer off the hand: only the keys lift a card
captures=0
for ((left = 8; left >= 0; --left)); do
  poll 1800 turn_kept $((left + 1)) || fail "no turn of the human's with $((left + 1)) cards was kept"
  plan=$(capture_plan)
  xdotool key $(((left + 1) % 10))
  poll 600 lifted "$left" || fail "the digit $((left + 1)) did not highlight the human's last card"
  xdotool key Return
  poll 600 card_left "$left" || fail "Return did not play the human's card $left"
  [ -n "$plan" ] || continue
  poll 600 choice_awaited || fail "the human's card $left was not given the choice of a capture"
  ranks=$(capture_ranks "$plan")
  [ "$(wc -w <<<"$ranks")" = "$(wc -l <<<"$plan")" ] ||
    fail "the cards to take ($plan) are not all among the table cards of the match file"
  at=0
  for rank in $ranks; do
    while ((at < rank)); do
      key_shows Tab "Tab to the next table card"
      at=$((at + 1))
    done
    key_shows space "Space on a table card"
  done
  captures=$((captures + 1))
done
poll 1800 hand_over || fail "the hand played with the keys did not reach its score page"
table_settles
if [ -n "${VERLANO_SHOTS:-}" ]; then convert "$scratch/settled.ppm" "$VERLANO_SHOTS/keyboard_score_page.png"; fi
xdotool key Escape
ends_with 0 "Escape on the score page"
echo "ok: a whole hand played with the keyboard alone ($captures captures chosen), to its score page"
