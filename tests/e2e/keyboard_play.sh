#!/usr/bin/env bash
# A whole hand played with the keyboard alone on a private X server, in
# English and then in Italian, no button pressed at the table: each turn a
# digit key highlights the human's last card (drawn lifted) and Return plays
# it; when it takes, Tab moves the highlight along the table cards a legal
# capture takes (the table read from the match file the game keeps at each
# turn) to each card of the capture and Space takes it; the hand ends on its
# score page, where Return (in English) or Space (in Italian) deals the next.
#   keyboard_play.sh GAME
# VERLANO_SHOTS=DIR keeps the score page of each language there
# (keyboard_score_page.png, keyboard_score_page_it.png).
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/kept_match.sh"

# The plan's cards as places in the keyboard's order of the table cards it
# can take: the table cards some legal capture of the human's last card takes
# (the equal cards when there are any, else every card of a set adding up to
# it), left to right, then top to bottom, counted from 0; ascending. The
# places are sorted as written and matched by their whole pixels, as the plan
# gives them: awk's own printing would round 345.99997 up to the next pixel.
capture_ranks() {  # PLAN
  local cards
  cards=$(awk '
    function value(code, c) {
      c = substr(code, 1, 1)
      return c == "A" ? 1 : c == "J" ? 8 : c == "Q" ? 9 : c == "K" ? 10 : c + 0
    }
    function fields(r, i) {
      delete f
      for (i = 2; i <= NF; ++i) { split($i, r, "="); f[r[1]] = r[2] }
    }
    # Some set of the table cards from `first` on, but `skip`, adds up to `target`.
    function adds_up(first, target, skip, i) {
      if (target == 0) return 1
      for (i = first; i < n; ++i) {
        if (i != skip && val[i] <= target && adds_up(i + 1, target - val[i], skip)) return 1
      }
      return 0
    }
    $1 == "seat.0" { fields(); played = value(hand[split(f["cards"], hand, ",")]) }
    $1 == "table" {
      fields(); n = f["count"] + 0; split(f["cards"], codes, ",")
      for (i = 0; i < n; ++i) val[i] = value(codes[i + 1])
    }
    $1 ~ /^on-table\./ && substr($1, 10) + 0 < n { fields(); x[substr($1, 10) + 0] = f["x"]; y[substr($1, 10) + 0] = f["y"] }
    END {
      equal = 0
      for (i = 0; i < n; ++i) if (val[i] == played) equal = 1
      for (i = 0; i < n; ++i) {
        legal = equal ? val[i] == played : val[i] < played && adds_up(0, played - val[i], i)
        if (legal) print x[i], y[i]
      }
    }' "$(match_file)" | sort -g -k1,1 -k2,2)
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
cp -r "$(dirname "$game")/locale" "$scratch/game/"
mkdir -p "$XDG_CONFIG_HOME/verlano"
printf 'verlano-settings 1\noptions fast-animation=1\nend\n' >"$XDG_CONFIG_HOME/verlano/settings"

# A whole hand in LANGUAGE, its score page kept as NAME, then KEY deals the next.
keyboard_hand() {  # LANGUAGE NAME KEY
  local left plan ranks at rank captures=0
  rm -f "$(match_file)"
  start_in "$1" "$scratch/game/verlano"
  xdotool key Return
  screen_area
  wait_for_hand 9
  xdotool mousemove $(point 400 2)  # the pointer off the hand: only the keys lift a card
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
  poll 600 page_shown || fail "the score page never showed"
  table_settles
  if [ -n "${VERLANO_SHOTS:-}" ]; then convert "$scratch/settled.ppm" "$VERLANO_SHOTS/$2.png"; fi
  echo "ok: a whole hand played with the keyboard alone in $1 ($captures captures chosen), to its score page"
  xdotool key "$3"
  poll 1800 turn_kept 9 || fail "$3 on the score page did not deal the next hand"
  echo "ok: $3 on the score page dealt the next hand"
  xdotool key Escape
  ends_with 0 "Escape at the next hand"
}

keyboard_hand en keyboard_score_page Return
keyboard_hand it keyboard_score_page_it space
