#!/usr/bin/env bash
# The game's language on a private X server, with its catalogue beside it:
# the dialog is Italian under LANGUAGE=it and under an Italian locale that is
# not installed (the same picture both times), and exactly the English dialog,
# pixel for pixel, under LANG=C with LANGUAGE=it and under a language the game
# lacks.
#   languages.sh GAME
# VERLANO_SHOTS=DIR keeps the Italian dialog's tabs there (dialog_*_it.png)
# and, after a whole hand played, its score page (score_page_it.png).
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/x_session.sh"
. "$here/table_screen.sh"

game_copy "$scratch/game" yes
cp -r "$(dirname "$game")/locale" "$scratch/game/"

# Starts the game in ENV, away from the pointer, and keeps the dialog's
# settled picture, with the keyboard given to it, as NAME.
dialog_in() {  # NAME ENV...
  local name=$1
  shift
  xdotool mousemove 0 0
  start env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@" "$scratch/game/verlano"
  steady "$name" "$(dialog_area)"
}
leave() {  # WHAT
  xdotool key Escape
  ends_with 0 "$1"
}

dialog_in english LANG=C.UTF-8
leave "the English dialog"
dialog_in italian LANGUAGE=it LANG=C.UTF-8
same english italian && fail "the dialog under LANGUAGE=it is the English one"
leave "the Italian dialog"
dialog_in locale LANG=it_IT.UTF-8
same italian locale || fail "under LANG=it_IT.UTF-8 the dialog is not the Italian one"
leave "the dialog under an Italian locale"
echo "ok: the dialog is Italian under LANGUAGE=it and under LANG=it_IT.UTF-8, not installed"

for case in "LANG=C LANGUAGE=it" "LANG=xx_YY.UTF-8" "LANGUAGE=fr LANG=fr_FR.UTF-8"; do
  # shellcheck disable=SC2086
  dialog_in other $case
  same english other || fail "under $case the dialog is not the English one"
  leave "the dialog under $case"
done
echo "ok: the dialog is the English one under LANG=C, an unknown language and one without a catalogue"

[ -n "${VERLANO_SHOTS:-}" ] || exit 0
# The Italian tabs' labels, from the dialog's corner.
tabs=(deck keys rules credits options) it_tab_x=(46 104 164 260 364)
dialog_in italian LANGUAGE=it LANG=C.UTF-8
for i in 1 2 3 4 0; do
  click "${it_tab_x[$i]}" "$tab_y"
  convert "$scratch/clicked.ppm" "$VERLANO_SHOTS/dialog_${tabs[$i]}_it.png"
done
# A whole hand played to its score page.
xdotool key Return
screen_area
poll 1200 table_drawn || fail "the Italian game never showed its table"
wait_for_hand 9
play_cards 9 9
# The capture of the human's last card, tried card by card and pair by pair,
# each taken back before the picture is read: once it is taken, no further
# click may fall on the score page that follows (a click deals the next hand).
took() {  # PLACES...
  local i
  for i in "$@"; do click_place 1 "$i"; done
  for i in "$@"; do click_place 3 "$i"; done
  parked_differs choice
}
choose_last_capture() {
  local places=() i j
  xdotool mousemove $(point 740 380)
  steady choice
  for i in "${!place_points[@]}"; do
    place_empty choice ${place_points[$i]} || places+=("$i")
  done
  for i in "${places[@]}"; do took "$i" && return 0; done
  for i in "${places[@]}"; do
    for j in "${places[@]}"; do
      [ "$j" -gt "$i" ] && took "$i" "$j" && return 0
    done
  done
  return 0
}
# The page covers the cloth where the emptied hand lay; until it shows, a
# table standing still waits for that capture.
page_or_chose() {
  still_playing
  shot page
  baize page 300 480 40 20 || return 0
  [ -e "$scratch/page.prev.ppm" ] && same page page.prev && choose_last_capture
  cp "$scratch/page.ppm" "$scratch/page.prev.ppm"
  return 1
}
poll 1800 page_or_chose || fail "no score page after the hand"
steady page "$(table_rect)"
convert "$scratch/page.ppm" -resize 800x600 "$VERLANO_SHOTS/score_page_it.png"
leave "the Italian table"
