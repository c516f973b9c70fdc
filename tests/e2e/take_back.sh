#!/usr/bin/env bash
# Take-backs at the table on a private X server: with "Allow take-backs" in
# the settings, the human plays two cards of a nine-card hand, the second
# with the others playing on; U then brings back the second turn: the kept
# match waits for the human again with eight cards, says a play was taken
# back, and the hand on the screen holds eight cards.
#   take_back.sh GAME
# VERLANO_SHOTS=DIR keeps the table just after the take-back there, in
# English and in Italian (table_take_back_en.png, table_take_back_it.png).
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/kept_match.sh"

taken_back_kept() { turn_kept 8 && grep -q ' taken-back=1 ' "$(match_file)"; }

game_copy "$scratch/game" yes
if [ -d "$(dirname "$game")/locale" ]; then cp -r "$(dirname "$game")/locale" "$scratch/game/"; fi
mkdir -p "$XDG_CONFIG_HOME/verlano"
printf 'verlano-settings 1\noptions allow-take-backs=1\nend\n' >"$XDG_CONFIG_HOME/verlano/settings"

languages=(en)
[ -z "${VERLANO_SHOTS:-}" ] || languages+=(it)
for language in "${languages[@]}"; do
  rm -f "$(match_file)"
  start_in "$language" "$scratch/game/verlano"
  xdotool key Return
  screen_area
  play_out_hand 9 2
  grep -q ' taken-back=0 ' "$(match_file)" || fail "the kept match says a play was taken back before U"
  xdotool key u
  poll 1800 taken_back_kept || fail "U did not bring back the human's turn with eight cards"
  xdotool mousemove $(point 740 380)
  steady back
  [ "$(hand_size back)" = 8 ] || fail "the hand shows $(hand_size back) cards after U, not 8"
  if [ -n "${VERLANO_SHOTS:-}" ]; then
    convert "$scratch/back.ppm" -crop "$(table_rect)" +repage "$VERLANO_SHOTS/table_take_back_$language.png"
  fi
  xdotool key Escape
  ends_with 0 "Escape at the table"
done
echo "ok: U brought back the human's second turn, kept as taken back"
