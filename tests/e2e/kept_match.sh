# Sourced by a check that plays at the table (with `here` its folder): the X
# session and the table's screen helpers, then a hand played out at the table
# by the match file the game keeps at each of the human's turns. The file
# tells the hand and the table exactly, so no card is guessed from pixels: the
# human plays its last card each turn, and when that card captures, the table
# cards the rules allow are clicked, each click waited on until the table
# shows it.

. "$here/x_session.sh"
. "$here/table_screen.sh"

match_file() { echo "$XDG_STATE_HOME/verlano/match"; }

# Makes the kept match one that our side wins with its next point: our total
# the target (one hand on the score page), theirs none. A total past the
# target would have ended the match, so no file the game keeps has one; a
# hand in which our side scores nothing leaves the match going on.
make_deciding() {
  local file
  file=$(match_file)
  awk '$1 == "match" {
      for (i = 2; i <= NF; ++i) { split($i, kv, "="); f[kv[1]] = kv[2] }
      $0 = sprintf("match we=%d they=0 target=%d hands=1 history-we=%d history-they=0 %s",
                   f["target"], f["target"], f["target"], "over=0 tie-over-target=0")
    } { print }' "$file" >"$file.edit"
  mv "$file.edit" "$file"
}

# The kept match waits for the human, holding SIZE cards.
turn_kept() {  # SIZE
  still_playing
  awk -v size="$1" '
    $1 == "turn" { turn = / state=NORMAL_PLAY / && / seat=0 / && / waiting-for-human=1 / && / human-picked=0 / }
    $1 == "seat.0" { held = $2 == ("count=" size) }
    END { exit !(turn && held) }' "$(match_file)" 2>/dev/null
}

# A new match, begun with Return in the dialog of the game copied to
# $scratch/game, at the human's first turn: on the screen, settled, and kept.
new_match_kept() {
  start "$scratch/game/verlano"
  xdotool key Return
  screen_area
  wait_for_hand 9
  table_settles
  poll 600 turn_kept 9 || fail "no match kept at the human's turn"
}

# The table cards the human's last card takes, as the rules choose: the game
# asks for a choice when the card equals a table card, or (an ace aside) when
# two to four table cards add up to it; with an equal card there, only that
# card may be taken. One line a card, "W H X Y PX PY" in table pixels: the
# card's rectangle and a point of it clear of every card above it (a click
# hits the topmost card under it). Nothing when the card captures nothing.
capture_plan() {
  awk '
    function value(code, c) {
      c = substr(code, 1, 1)
      return c == "A" ? 1 : c == "J" ? 8 : c == "Q" ? 9 : c == "K" ? 10 : c + 0
    }
    function fields(r, i) {
      delete f
      for (i = 2; i <= NF; ++i) { split($i, r, "="); f[r[1]] = r[2] }
    }
    function adds_up(first, size, target, depth, i) {
      if (size == 0) return target == 0
      for (i = first; i < n; ++i) {
        taken[depth] = i
        if (adds_up(i + 1, size - 1, target - val[i], depth + 1)) return 1
      }
      return 0
    }
    # A point of card i at least 4 pixels inside it and 4 clear of every card above it.
    function clear_point(i, px, py, j, free) {
      for (py = y[i] + 8; py <= y[i] + h[i] - 8; py += 4) {
        for (px = x[i] + 8; px <= x[i] + w[i] - 8; px += 4) {
          free = 1
          for (j = i + 1; j < n && free; ++j) {
            free = px <= x[j] - 4 || px >= x[j] + w[j] + 4 || py <= y[j] - 4 || py >= y[j] + h[j] + 4
          }
          if (free) return int(px) " " int(py)
        }
      }
      return "none"
    }
    $1 == "seat.0" { fields(); played = value(hand[split(f["cards"], hand, ",")]) }
    $1 == "table" {
      fields(); n = f["count"] + 0; split(f["cards"], codes, ",")
      for (i = 0; i < n; ++i) val[i] = value(codes[i + 1])
    }
    $1 ~ /^on-table\./ {
      fields(); i = substr($1, 10) + 0
      x[i] = f["x"] + 0; y[i] = f["y"] + 0; w[i] = f["width"] + 0; h[i] = f["height"] + 0
    }
    END {
      size = 0
      for (i = 0; i < n && !size; ++i) if (val[i] == played) { taken[0] = i; size = 1 }
      for (s = 2; s <= 4 && !size && played >= 2; ++s) if (adds_up(0, s, played, 0)) size = s
      for (k = 0; k < size; ++k) {
        i = taken[k]
        print int(w[i]), int(h[i]), int(x[i]), int(y[i]), clear_point(i)
      }
    }' "$(match_file)"
}

# One click on the point, then until the card's rectangle on the screen shows
# its effect (the card framed as chosen, or gone with the capture). A click
# not yet shown after two seconds is repeated: a card chosen again stays
# chosen, and once the capture is complete the game takes no table click.
click_shows() {  # AREA
  xdotool click 1
  poll 20 shot_differs chosen aimed "$1"
}
choose_table_card() {  # W H X Y PX PY
  local area
  [ "$5" != none ] || fail "no point of the table card at $3,$4 lies clear of the cards above it"
  area=$(on_screen "$3" "$4" "$1" "$2" | awk '{ printf "%dx%d+%d+%d\n", $1, $2, $3, $4 }')
  xdotool mousemove $(point "$5" "$6")
  steady aimed "$area"
  poll 600 click_shows "$area" || fail "a click on the table card at $3,$4 changed nothing"
}

# The turn mark, gold under the human's hand, shows in shot `awaited`: the
# game waits for the human's pick, or once the played card has landed and
# nothing moves, for the choice of the cards it takes.
gold() { [ "$1" -gt 200 ] && [ "$2" -gt 170 ] && [ "$3" -lt 130 ]; }  # R G B
choice_awaited() {
  still_playing
  shot awaited && gold $(screen_colour awaited $(on_screen 50 578 40 2))
}

# Plays COUNT (all) of the human's SIZE cards, one each turn, and the captures
# they make, counted in captures_chosen.
play_out_hand() {  # SIZE [COUNT]
  local left plan cards card
  captures_chosen=0
  for ((left = $1 - 1; left >= $1 - ${2:-$1}; --left)); do
    poll 1800 turn_kept $((left + 1)) || fail "no turn of the human's with $((left + 1)) cards was kept"
    plan=$(capture_plan)
    poll 600 last_card_gone "$left" || fail "the human's card $left never left the hand"
    [ -n "$plan" ] || continue
    poll 600 choice_awaited || fail "the human's card $left was not given the choice of a capture"
    captures_chosen=$((captures_chosen + 1))
    mapfile -t cards <<<"$plan"
    for card in "${cards[@]}"; do choose_table_card $card; done
  done
}

# VERLANO_SHOTS=DIR keeps the shot SHOT as DIR/NAME.png.
keep_shot() { if [ -n "${VERLANO_SHOTS:-}" ]; then convert "$scratch/$1.ppm" "$VERLANO_SHOTS/$2.png"; fi; }  # SHOT NAME
# The hand's end, kept in the match file.
hand_over_kept() { still_playing && grep -q ' state=END_OF_MATCH ' "$(match_file)" 2>/dev/null; }
# The score page's paper shows right of its columns (the cloth, or a screen
# not yet drawn, elsewhere); a panel laid over it is dark green.
paper() { [ "$1" -gt 180 ] && [ "$2" -gt 170 ] && [ "$3" -gt 130 ]; }
page_shown() { still_playing && shot page && paper $(screen_colour page $(on_screen 590 300 30 20)); }
dark() { [ $(($1 + $2 + $3)) -lt 90 ] && [ "$2" -ge "$1" ]; }
