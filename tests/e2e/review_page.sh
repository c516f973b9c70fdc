#!/usr/bin/env bash
# The coach's review on a private X server: a hand played out with the mouse
# is recorded in the matches folder as it goes; on its score page V lays the
# review of the player's plays over the page, its rows once the judgements
# are made, and V again closes it, leaving the page; the record of the hand
# holds its every play.
#   review_page.sh GAME
# VERLANO_SHOTS=DIR keeps the review there (in Italian under LANGUAGE=it).
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/kept_match.sh"

# The review's panel lies where the page is paper.
review_open() { still_playing && shot review && dark $(screen_colour review $(on_screen 600 300 30 20)); }
# Once weighed, the first row shows the corner of the card played where the
# panel was dark green (about 0 32 0). The corner's cream, index and suit
# average about 470 over the spot, a dark index lower: well above the
# panel's, whatever the card (at 450 a dark index sometimes failed).
light() { [ $(($1 + $2 + $3)) -gt 250 ]; }
review_ready() { review_open && light $(screen_colour review $(on_screen 30 64 10 10)); }
records() { find "$XDG_DATA_HOME/verlano/matches" -name 'match-*.rec' 2>/dev/null | wc -l; }
recorded() { still_playing && [ "$(records)" = 1 ]; }

game_copy "$scratch/game" yes
if [ -d "$(dirname "$game")/locale" ]; then cp -r "$(dirname "$game")/locale" "$scratch/game/"; fi
mkdir -p "$XDG_CONFIG_HOME/verlano"
printf 'verlano-settings 1\noptions fast-animation=1\nend\n' >"$XDG_CONFIG_HOME/verlano/settings"

start "$scratch/game/verlano"
xdotool key Return
screen_area
poll 1200 table_drawn || fail "the game never showed its table"
wait_for_hand 9
poll 600 recorded || fail "the match was not recorded at the player's first turn: $(records) records"
play_out_hand 9
poll 1800 hand_over_kept || fail "the hand never ended"
poll 600 page_shown || fail "the score page did not show"
record=$(ls "$XDG_DATA_HOME/verlano/matches/"match-*.rec)
grep -q '^play\.1\.36 ' "$record" || fail "the record does not hold the hand's 36 plays: $(tail -3 "$record")"
echo "ok: the match is recorded in the matches folder, the hand's every play"

xdotool key v
poll 600 review_open || fail "V did not lay the review over the score page"
poll 600 review_ready || fail "the review's rows never showed"
xdotool mousemove $(point 790 590)
steady review "$(table_rect)"
keep_shot review review_page
xdotool key v
poll 600 page_shown || fail "V again did not close the review"
echo "ok: V lays the review of the player's plays over the score page, and V again closes it"
xdotool key Escape
ends_with 0 "Escape on the score page"
