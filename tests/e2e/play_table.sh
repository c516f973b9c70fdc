#!/usr/bin/env bash
# Play at the table on a private X server, driven with real X input and read
# back from screenshots:
#   1. the default game: the baize and the nine dealt cards, a card played with
#      the mouse leaves the hand, P freezes the picture (a pointer move and a
#      click draw nothing) and P resumes, Escape ends with 0 and leaves nothing
#      unpacked;
#   2. F11 while paused gives an 800x600 window showing the very picture the
#      paused screen showed, and F11 again (no window manager here) the whole
#      screen showing it as before; resized (also with letterbox bars) the
#      table follows, with the hand's story beside it where the window is
#      wide enough, and a click still plays the card under the pointer;
#   3. "10 cards Romane" with the extra points and the Royal deck: ten cards
#      in hand, none dealt to the table, the Royal deck's faces.
#   play_table.sh GAME PAK_TOOL
# VERLANO_SHOTS=DIR keeps the table in play there as table_play.png.
set -euo pipefail
game=$1 pak_tool=$2
here=$(cd "$(dirname "$0")" && pwd)

. "$here/x_session.sh"
. "$here/table_screen.sh"

# P pressed once the table stands still: the picture settles and then stays
# the same across a pointer move and a click, which a running game would draw.
# The frozen picture is left as the shot `paused`.
pause_checked() {  # WHAT
  table_settles
  xdotool key p
  xdotool mousemove $(point 400 390)
  steady paused
  xdotool mousemove $(point 33 500) click 1
  steady paused_after_click
  same paused paused_after_click || fail "$1: the picture changed while paused"
}
# The window has the size asked for and shows the cloth and the nine cards
# where the letterbox puts them.
window_shows_table() {  # SHOT WIDTH HEIGHT
  window_area "$window" && [ "$AREA_W $AREA_H" = "$2 $3" ] || return 1
  shot "$1" && cloth_shown "$1" && [ "$(hand_size "$1")" = 9 ]
}
# Two shots of the table show the same picture, one of them maybe scaled:
# compared at 200x150, where the scaling's blur is gone (a picture moved by
# 8 pixels differs by 0.15).
alike() {  # SHOT SHOT
  local shot
  for shot in "$1" "$2"; do convert "$scratch/$shot.ppm" -resize '200x150!' "$scratch/$shot.small.ppm"; done
  { compare -metric RMSE "$scratch/$1.small.ppm" "$scratch/$2.small.ppm" null: 2>&1 || true; } |
    awk -F'[()]' '{ exit !($2 < 0.02) }'
}
# The 800x600 window shows what the paused full screen showed, at scale 1.
window_shows_paused() {
  window_area "$window" && [ "$AREA_W $AREA_H" = "800 600" ] || return 1
  shot window_800 "$(table_rect)" && alike window_800 paused_table
}
# The window covers the screen again and shows the paused full screen's
# picture whole, the clock and the right-hand seat's cards included.
full_screen_again() {
  [ "$(table_window)" = "$window" ] && shot full_again && alike full_again paused
}

# Each part deals a new match: the one the part before kept is not offered.
forget_kept_match() { rm -f "$XDG_STATE_HOME/verlano/match"; }

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
pause_checked "full screen"
xdotool key p
changes resumed paused_after_click "" "P did not resume: the pointer's new place is not drawn"
if [ -n "${VERLANO_SHOTS:-}" ]; then convert "$scratch/resumed.ppm" "$VERLANO_SHOTS/table_play.png"; fi
echo "ok: P freezes the picture, also across a click, and P resumes"
xdotool key Escape
ends_with 0 "Escape at the table"
untouched "$scratch/game" "after play"
echo "ok: Escape ends with 0 and leaves nothing unpacked"

# 2. A window: F11 while paused, then resized, with and without letterbox bars.
forget_kept_match
start "$scratch/game/verlano"
xdotool key Return
screen_area
wait_for_hand 9
pause_checked "before F11"
convert "$scratch/paused.ppm" -crop "$(table_rect)" +repage -resize '800x600!' "$scratch/paused_table.ppm"
window=$(table_window)
xdotool key F11
poll 600 window_shows_paused ||
  fail "F11 while paused: the window is ${AREA_W}x$AREA_H (not 800x600) or does not show the paused table"
# Back to full screen and to the window, each time with the pointer in it.
xdotool mousemove $(point 400 390)
xdotool key F11
poll 600 full_screen_again ||
  fail "F11 from the window: the window is $(geometry "$window") (not the screen's $(xdotool getdisplaygeometry) at 0 0) or does not show the paused table whole"
xdotool key F11
poll 600 window_shows_paused ||
  fail "F11 twice more: the window is ${AREA_W}x$AREA_H (not 800x600) or does not show the paused table"
# The keys go where the pointer is, when no window manager hands out the focus.
xdotool mousemove $(point 400 390)
xdotool key p
# 1000x600 is wide enough for the hand's story right of the table.
story_column() {  # SHOT: the column's dark green, empty below the first plays
  local r g b
  read -r r g b < <(screen_colour "$1" $(on_screen 870 585 20 8))
  [ "$r" -lt 30 ] && [ "$g" -gt 30 ] && [ "$g" -lt 60 ] && [ "$b" -lt 40 ]
}
window_shows_story() { window_shows_table "$@" && story_column "$1"; }  # SHOT WIDTH HEIGHT
# 900x600 shows the table at scale 1 between two bars of 50 pixels. Polled
# with the table: until the game has drawn the new size, the window shows the
# last picture cut to it, which has the table in place too.
left_bar() { black $(screen_colour "$1" 20 20 $((AREA_X + 15)) $((AREA_Y + 290))); }  # SHOT
window_shows_bars() { window_shows_table "$@" && left_bar "$1"; }  # SHOT WIDTH HEIGHT
for size in "1200 900" "1000 600" "900 600"; do
  xdotool windowsize "$window" $size
  shows=window_shows_table what=
  if [ "${size% *}" = 1000 ]; then shows=window_shows_story what=", the hand's story right of them"; fi
  if [ "${size% *}" = 900 ]; then shows=window_shows_bars what=", a letterbox bar left of the table"; fi
  poll 600 $shows "window_${size% *}" $size ||
    fail "the ${AREA_W}x$AREA_H window (asked $size) does not show the baize and the hand in place$what"
done
play_last_card 8 "a 900x600 window"
echo "ok: F11 while paused gives an 800x600 window showing the paused table, F11 again the whole screen as before; resized, the table follows and a click plays the card under the pointer"
xdotool key Escape
ends_with 0 "Escape in a window"

# 3. The dialog's choices reach the table.
"$pak_tool" extract "$(dirname "$game")/res077.pak" "$scratch/pak" >/dev/null
forget_kept_match
start "$scratch/game/verlano"
click "${tab_x[4]}" "$tab_y"
click "${romane[@]}"
click $((extra_box[0] + 10)) $((extra_box[1] + 10))
click "${tab_x[0]}" "$tab_y"
click "${royal[@]}"
press "${play_button[@]}"
screen_area
wait_for_hand 10
# Once the table stands still the human is to play: the seats before it have
# laid at most three cards, in places 0 to 2; a ten-card deal lays none.
table_settles
for place in 3 4 5 6 7 8 9; do
  place_empty "$SHOT" ${place_points[$place]} || fail "a card lies in table place $place after a ten-card deal"
done
# The human's first card against every face of every deck: the best match is Royal's.
read -r w h x y < <(on_screen 5 420 57 153)
convert "$scratch/$SHOT.ppm" -crop "${w}x$h+$x+$y" +repage -resize '57x153!' \
  -crop 47x140+5+6 +repage "$scratch/first.png"
best=$(for face in "$scratch"/pak/{Trevigiano,Trent,Royal}_[0-9A-Z][CDHS].BMP; do
  echo "$({ compare -metric RMSE "$face[47x140+5+6]" "$scratch/first.png" null: 2>&1 || true; } |
    sed 's/.*(\(.*\))/\1/') $(basename "$face")"
done | sort -g | sed -n 1p)
case $best in *\ Royal_*) ;; *) fail "the first card is not a Royal face (best match: $best)" ;; esac
awk -v d="${best% *}" 'BEGIN { exit !(d < 0.1) }' || fail "the first card is only roughly a Royal face ($best)"
echo "ok: 10 cards Romane with the Royal deck: ten cards in hand, none on the table, Royal faces"
xdotool key Escape
ends_with 0 "Escape after the dialog's choices"
