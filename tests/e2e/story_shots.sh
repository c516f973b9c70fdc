#!/usr/bin/env bash
# Not a test: draws the README's pictures of the seat labels and the hand's
# story under Xvfb, in English and Italian, on a 16:9 screen (the story in the
# margin beside the table) and a 4:3 one (the labels, then S showing the
# story over the table's right side), after the human has played three cards.
#   story_shots.sh GAME OUT_DIR
set -euo pipefail
game=$1 shots=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
size=${VERLANO_SCREEN:-1280x720}
export VERLANO_SCREEN=$size

. "$here/x_session.sh"
. "$here/table_screen.sh"

game_copy "$scratch/game" yes
cp -r "$(dirname "$game")/locale" "$scratch/game/"
for language in en it; do
  rm -f "$XDG_STATE_HOME/verlano/match"
  start_in "$language" "$scratch/game/verlano"
  xdotool key Return
  screen_area
  wait_for_hand 9
  play_cards 9 3
  xdotool mousemove $(point 740 380)
  table_settles
  if [ "${size%x*}" -ge $((${size#*x} * 960 / 600)) ]; then
    convert "$scratch/settled.ppm" "$shots/table_story_wide_$language.png"
  else
    convert "$scratch/settled.ppm" "$shots/table_labels_43_$language.png"
    xdotool key s
    changes story settled "" "S did not show the hand's story"
    convert "$scratch/story.ppm" "$shots/table_story_43_$language.png"
  fi
  xdotool key Escape
  ends_with 0 "Escape at the table"
done
echo "story_shots: pictures in $shots"
