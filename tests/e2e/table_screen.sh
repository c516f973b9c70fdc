# Sourced after x_session.sh: reading the table from screenshots of the X
# server, and playing the human's cards through it. Table points are mapped to
# the screen through the letterbox of the area the table is shown in (the
# whole screen or the game's window).

# Where the 800x600 table shows: the renderer letterboxes it into the area
# (AREA_X, AREA_Y, AREA_W x AREA_H) at the largest scale that fits.
area() {  # X Y W H
  AREA_X=$1 AREA_Y=$2 AREA_W=$3 AREA_H=$4
}
screen_area() { area 0 0 $(xdotool getdisplaygeometry); }
window_area() {  # WINDOW: false once it is gone
  local w h x y
  read -r w h x y < <(geometry "$1") || return 1
  area "$x" "$y" "$w" "$h"
}
# The screen rectangle "W H X Y" of a table rectangle. An area at least
# 960/600 wide shows the hand's story, 160 table pixels, right of the table:
# the two are letterboxed together.
on_screen() {  # TX TY TW TH
  awk -v x="$1" -v y="$2" -v w="$3" -v h="$4" -v ax="$AREA_X" -v ay="$AREA_Y" \
    -v aw="$AREA_W" -v ah="$AREA_H" 'BEGIN {
      lw = aw * 600 >= ah * 960 ? 960 : 800
      s = aw / lw < ah / 600 ? aw / lw : ah / 600
      ox = ax + int((aw - int(lw * s)) / 2); oy = ay + int((ah - int(600 * s)) / 2)
      printf "%d %d %d %d\n", w * s, h * s, ox + x * s, oy + y * s }'
}
# The screen point of a table point, for xdotool.
point() { on_screen "$1" "$2" 1 1 | cut -d' ' -f3-; }  # TX TY
# The table's rectangle on the screen, as import's WxH+X+Y.
table_rect() { on_screen 0 0 800 600 | awk '{ printf "%dx%d+%d+%d\n", $1, $2, $3, $4 }'; }

# The mean colour "R G B" (0..255) of a screen rectangle in a shot.
screen_colour() {  # SHOT W H X Y
  convert "$scratch/$1.ppm" -crop "$2x$3+$4+$5" +repage -scale '1x1!' \
    -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
# The green cloth: green well above red and blue (card faces are cream,
# backs red or blue, the letterbox bars black).
green() { [ "$2" -ge 50 ] && [ "$2" -gt $(($1 + 30)) ] && [ "$2" -gt $(($3 + 25)) ]; }
black() { [ $(($1 + $2 + $3)) -lt 30 ]; }
baize() {  # SHOT TX TY TW TH
  green $(screen_colour "$1" $(on_screen "$2" "$3" "$4" "$5"))
}
# The table is drawn: the cloth shows in the strip above the human's hand
# (one of two places, as a flying card may cover the other).
cloth_shown() {  # SHOT
  baize "$1" 300 380 40 20 || baize "$1" 120 385 40 20
}
# The table is up: the dialog gone and a full-screen window showing the
# cloth, which is drawn only once everything is loaded. The shot is `table`.
table_drawn() {
  screen_area && ! dialog_shown && table_window >/dev/null && shot table && cloth_shown table
}

# The human's hand: card n at (5 + 57n, 420), each covering the right of the
# one before; 45..55 pixels into a place is clear of the card before it. The
# places beyond the tenth lie under seat 1's hand.
card_x() { echo $((5 + 57 * $1)); }
hand_size() {  # SHOT: how many cards lie in a row from the left, up to ten
  local w h x y n=0 r g b
  read -r w h x y < <(on_screen 5 440 570 100)
  while read -r r g b; do
    green "$r" "$g" "$b" && break
    n=$((n + 1))
  done < <(convert "$scratch/$1.ppm" -crop "${w}x$h+$x+$y" +repage -scale '570x1!' -depth 8 txt:- |
    awk -F'[(,)]' 'NR > 1 { r[$1] = $3; g[$1] = $4; b[$1] = $5 }
      END {
        for (n = 0; n < 10; ++n) {
          sr = sg = sb = 0
          for (c = 57 * n + 45; c < 57 * n + 55; ++c) { sr += r[c]; sg += g[c]; sb += b[c] }
          printf "%d %d %d\n", sr / 10, sg / 10, sb / 10
        } }')
  echo $n
}
still_playing() { alive || { cat "$out"; fail "the game ended at the table"; }; }
hand_shows() {  # SIZE: a shot of the table with SIZE cards in the human's hand
  still_playing
  shot "$SHOT"
  cloth_shown "$SHOT" && [ "$(hand_size "$SHOT")" = "$1" ]
}
# Waits until the table shows with SIZE cards in the human's hand; the shot is $SHOT.
wait_for_hand() {  # SIZE
  SHOT=hand
  poll 1200 hand_shows "$1" || fail "no table with $1 cards in the human's hand"
}
# Waits until nothing moves on the table (the human is to play, or to choose).
table_settles() { SHOT=settled && steady "$SHOT"; }

# Clicks the human's last card until it leaves the hand: it can only be played
# when seat 0 is to play. Its right-hand strip (not under the card before it,
# nor under the pointer) then shows the cloth, and the hand holds N cards.
last_card_gone() {  # N
  xdotool mousemove $(point $(($(card_x "$1") + 60)) 500) click 1
  still_playing
  shot played
  baize played $(($(card_x "$1") + 37)) 425 50 25
}
hand_holds() { shot played && [ "$(hand_size played)" = "$1" ]; }  # N
play_last_card() {  # N WHAT
  poll 1200 last_card_gone "$1" || fail "$2: the last card never left the hand"
  poll 300 hand_holds "$1" || fail "$2: the hand holds $(hand_size played) cards, not $1, after one was played"
}

# Points of the table places 0..9 (the bottom row, then the top) that lie on
# their own card whatever its jitter and on no other place's card, as table points.
place_points=("290 345" "390 90" "490 345" "390 345" "290 90" "490 90" "580 345" "190 345" "200 90" "580 90")
place_empty() { baize "$1" $(($2 - 5)) $(($3 - 5)) 10 10; }  # SHOT TX TY
# Clicks BUTTON (1 chooses, 3 takes back) on place I, paced so that each click
# falls in a frame of its own (a click missed costs only another round).
click_place() { xdotool mousemove $(point ${place_points[$2]}) click "$1" sleep 0.15; }  # BUTTON I
# Until the pointer parked aside shows a picture other than shot FROM.
parked_differs() { xdotool mousemove $(point 740 380); shot parked && ! same parked "$1"; }
# One round of choosing the table cards a played card captures: every single
# card, then every pair, then every three, each taken back before the next,
# stopping once the picture shows the capture going.
choose_capture() {
  local places=() i j k n size
  xdotool mousemove $(point 740 380)
  steady choice
  for i in "${!place_points[@]}"; do
    place_empty choice ${place_points[$i]} || places+=("$i")
  done
  for i in "${places[@]}"; do click_place 3 "$i"; done
  for size in 1 2 3; do
    for i in "${places[@]}"; do
      [ "$size" = 1 ] && { click_place 1 "$i"; click_place 3 "$i"; continue; }
      for j in "${places[@]}"; do
        [ "$j" -gt "$i" ] || continue
        [ "$size" = 2 ] && { click_place 1 "$i"; click_place 1 "$j"; click_place 3 "$j"; click_place 3 "$i"; continue; }
        for k in "${places[@]}"; do
          [ "$k" -gt "$j" ] || continue
          for n in "$i" "$j" "$k"; do click_place 1 "$n"; done
          for n in "$k" "$j" "$i"; do click_place 3 "$n"; done
        done
      done
    done
    parked_differs choice && return 0
  done
  return 0
}
# The human's last card is played (the hand then holds N); while the table
# stands still without the human's turn, a played card waits for its capture.
played_or_chose() {  # N
  last_card_gone "$1" && return 0
  [ -e "$scratch/played.prev.ppm" ] && same played played.prev && choose_capture
  cp "$scratch/played.ppm" "$scratch/played.prev.ppm"
  return 1
}
# Plays K cards from a hand of SIZE, the last one each time, choosing captures.
play_cards() {  # SIZE K
  local n
  for ((n = $1 - 1; n >= $1 - $2; --n)); do
    rm -f "$scratch/played.prev.ppm"
    poll 1800 played_or_chose "$n" || fail "the hand never came down to $n cards"
    poll 300 hand_holds "$n" || fail "the hand holds $(hand_size played) cards, not $n, after one was played"
  done
}
