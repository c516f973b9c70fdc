#!/usr/bin/env bash
# Play at the table on a private X server, driven with real X input and read
# back from screenshots:
#   1. the default game: the baize and the nine dealt cards, a card played with
#      the mouse leaves the hand, P freezes the picture (a click too) and P
#      resumes, Escape ends with 0 and leaves nothing unpacked;
#   2. F11 gives an 800x600 window that shows the table also while paused;
#      resized (also with letterbox bars) the table follows and a click still
#      plays the card under the pointer;
#   3. "10 cards Romane" with the extra points and the Royal deck: ten cards
#      in hand, none dealt to the table, the Royal deck's faces.
#   play_table.sh GAME PAK_TOOL
# VERLANO_SHOTS=DIR keeps the table in play there as table_play.png.
set -euo pipefail
game=$1 pak_tool=$2
here=$(cd "$(dirname "$0")" && pwd)

. "$here/x_session.sh"
. "$here/table_screen.sh"

# The first four table places (card centres), where the nine-card deal lays cards.
places=("276 279" "382 115" "487 279" "382 279")
place_empty() { baize "$1" $(($2 - 10)) $(($3 - 10)) 20 20; }

# Clicks the human's last card once a second until it leaves the hand: it can
# only be played when seat 0 is to play. Its right-hand strip (not under the
# card before it, nor under the pointer) then shows the baize.
play_last_card() {  # N WHAT
  local n=$1 left w h x y
  left=$(($(card_x "$n") + 37))
  read -r w h x y < <(on_screen $(($(card_x "$n") + 60)) 500 1 1)
  for _ in $(seq 60); do
    xdotool mousemove "$x" "$y" click 1
    sleep 1
    shot played
    if baize played "$left" 425 50 25; then
      [ "$(hand_size played)" = "$n" ] || fail "$2: more than the clicked card left the hand"
      return
    fi
  done
  fail "$2: the last card never left the hand"
}

game_copy "$scratch/game" yes

# 1. The default game, full screen.
start "$scratch/game/verlano"
xdotool key Return
screen_area
wait_for_hand 9
[ "$(identify -format %wx%h "$scratch/$SHOT.ppm")" = 1280x1024 ] || fail "the screenshot is not the screen"
for corner in "0 0" "0 1010"; do
  black $(screen_colour "$SHOT" 4 4 $corner) || fail "the letterbox bar at $corner is not black"
done
echo "ok: the table on the baize, letterboxed, with nine cards in the human's hand"
play_last_card 8 "full screen"
echo "ok: a click on the human's card plays it"
xdotool key p
sleep 0.5
shot paused1
xdotool mousemove $(on_screen 33 500 1 1 | cut -d' ' -f3-) click 1
sleep 1
shot paused2
same "$scratch/paused1.ppm" "$scratch/paused2.ppm" || fail "the picture changed while paused"
xdotool key p
sleep 0.5
shot resumed
same "$scratch/paused2.ppm" "$scratch/resumed.ppm" && fail "P did not resume (the pointer moved meanwhile)"
[ -n "${VERLANO_SHOTS:-}" ] && convert "$scratch/resumed.ppm" "$VERLANO_SHOTS/table_play.png"
echo "ok: P freezes the picture, also across a click, and P resumes"
xdotool key Escape
ends_with 0 "Escape at the table"
untouched "$scratch/game" "after play"
echo "ok: Escape ends with 0 and leaves nothing unpacked"

# 2. A window: F11, then resized, with and without letterbox bars.
start "$scratch/game/verlano"
xdotool key Return
wait_for_hand 9
# The window has the size asked for and shows the baize and the nine cards
# where the letterbox puts them. A loaded machine may take a moment to switch
# and redraw, so the check is retried for a few seconds.
window_shows_table() {  # SHOT WIDTH HEIGHT
  window_area "$window"
  [ "$AREA_W $AREA_H" = "$2 $3" ] || return 1
  shot "$1"
  baize "$1" 300 380 40 20 && [ "$(hand_size "$1")" = 9 ]
}
eventually() { for _ in $(seq 10); do "$@" && return 0; sleep 0.5; done; return 1; }
# Switched while paused, the window still shows the table (nothing is drawn).
xdotool key p F11
sleep 0.5
window=$(game_window)
eventually window_shows_table window_800 800 600 ||
  fail "F11 while paused: the window is ${AREA_W}x$AREA_H (not 800x600) or does not show the table"
xdotool key p
for size in "1200 900" "1000 600"; do
  xdotool windowsize "$window" $size
  eventually window_shows_table "window_${size% *}" $size ||
    fail "the ${AREA_W}x$AREA_H window (asked $size) does not show the baize and the hand in place"
done
# 1000x600 shows the table at scale 1 between two bars of 100 pixels.
black $(screen_colour window_1000 20 20 $((AREA_X + 40)) $((AREA_Y + 290))) ||
  fail "no letterbox bar left of the table in the 1000x600 window"
play_last_card 8 "a 1000x600 window"
echo "ok: F11 gives an 800x600 window, also while paused; resized, the table follows and a click plays the card under the pointer"
xdotool key Escape
ends_with 0 "Escape in a window"

# 3. The dialog's choices reach the table.
"$pak_tool" extract "$(dirname "$game")/res077.pak" "$scratch/pak" >/dev/null
start "$scratch/game/verlano"
click "${tab_x[4]}" "$tab_y"
click "${romane[@]}"
click $((extra_box[0] + 10)) $((extra_box[1] + 10))
click "${tab_x[0]}" "$tab_y"
click "${royal[@]}"
click "${play_button[@]}"
screen_area
wait_for_hand 10
# The seat that leads may already have played into the first place.
empty=0
for place in "${places[@]:1}"; do place_empty "$SHOT" $place && empty=$((empty + 1)); done
[ $empty = 3 ] || fail "cards lie on the table after a ten-card deal"
# The human's first card against every face of every deck: the best match is Royal's.
read -r w h x y < <(on_screen 5 420 57 153)
convert "$scratch/$SHOT.ppm" -crop "${w}x$h+$x+$y" +repage -resize '57x153!' \
  -crop 47x140+5+6 +repage "$scratch/first.png"
best=$(for face in "$scratch"/pak/{Trevigiano,Trent,Royal}_[0-9A-Z][CDHS].BMP; do
  echo "$(compare -metric RMSE "$face[47x140+5+6]" "$scratch/first.png" null: 2>&1 |
    sed 's/.*(\(.*\))/\1/') $(basename "$face")"
done | sort -g | head -n1)
case $best in *\ Royal_*) ;; *) fail "the first card is not a Royal face (best match: $best)" ;; esac
awk -v d="${best% *}" 'BEGIN { exit !(d < 0.1) }' || fail "the first card is only roughly a Royal face ($best)"
echo "ok: 10 cards Romane with the Royal deck: ten cards in hand, none on the table, Royal faces"
xdotool key Escape
ends_with 0 "Escape after the dialog's choices"
