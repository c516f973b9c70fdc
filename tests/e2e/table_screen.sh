# Sourced after x_session.sh: reading the table from screenshots of the X
# server. Table points are mapped to the screen through the letterbox of the
# area the table is shown in (the whole screen or the game's window).

# Where the 800x600 table shows: the renderer letterboxes it into the area
# (AREA_X, AREA_Y, AREA_W x AREA_H) at the largest scale that fits.
area() {  # X Y W H
  AREA_X=$1 AREA_Y=$2 AREA_W=$3 AREA_H=$4
}
screen_area() { area 0 0 $(xdotool getdisplaygeometry); }
window_area() {  # WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  area "$X" "$Y" "$WIDTH" "$HEIGHT"
}
# The screen rectangle "W H X Y" of a table rectangle.
on_screen() {  # TX TY TW TH
  awk -v x="$1" -v y="$2" -v w="$3" -v h="$4" -v ax="$AREA_X" -v ay="$AREA_Y" \
    -v aw="$AREA_W" -v ah="$AREA_H" 'BEGIN {
      s = aw / 800 < ah / 600 ? aw / 800 : ah / 600
      ox = ax + int((aw - int(800 * s)) / 2); oy = ay + int((ah - int(600 * s)) / 2)
      printf "%d %d %d %d\n", w * s, h * s, ox + x * s, oy + y * s }'
}

shot() { import -window root "$scratch/$1.ppm"; }
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
# Waits until the table shows with SIZE cards in the human's hand; sets SHOT.
wait_for_hand() {  # SIZE
  for i in $(seq 120); do
    kill -0 "$game_pid" 2>/dev/null || { cat "$scratch/out"; fail "the game ended at the table"; }
    SHOT=deal$i
    shot "$SHOT"
    if baize "$SHOT" 300 380 40 20 && [ "$(hand_size "$SHOT")" = "$1" ]; then return; fi
    sleep 0.3
  done
  fail "no table with $1 cards in the human's hand"
}
