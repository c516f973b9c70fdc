#!/usr/bin/env bash
# The review of a recorded match from the Statistics tab, on a private X
# server: two matches the simulator played and recorded lie in the matches
# folder beside a damaged record; "Review a recorded match..." (Alt+V) opens
# a window listing the whole records, newest first, and fills with the review
# of the player's plays once weighed, another record chosen while one is
# weighed is reviewed in its place, and the damaged record is said in one
# line and kept aside; Escape closes the window and leaves the dialog.
#   record_review.sh GAME SIM
# VERLANO_SHOTS=DIR keeps the window with its review there (in Italian under
# LANGUAGE=it).
set -euo pipefail
game=$1 sim=$2
here=$(cd "$(dirname "$0")" && pwd)

. "$here/x_session.sh"

matches=$XDG_DATA_HOME/verlano/matches
window_title() { if [ "${LANGUAGE:-}" = it ]; then echo 'Rivedi una partita registrata'; else echo 'Review a recorded match'; fi; }
review_window() { xdotool search --onlyvisible --name "^$(window_title)\$" 2>/dev/null | sed -n 1p; }
window_shown() { review=$(review_window) && [ -n "$review" ]; }
window_gone() { [ -z "$(review_window)" ]; }
# The review's lines reach well down the text; while it is weighed, one line stands at the top.
review_written() {
  local width height x y
  read -r width height x y < <(geometry "$review") || return 1
  shot lower "$((width - 40))x120+$((x + 20))+$((y + height - 200))" && [ "$(colours lower)" -gt 8 ]
}

game_copy "$scratch/game" yes
if [ -d "$(dirname "$game")/locale" ]; then cp -r "$(dirname "$game")/locale" "$scratch/game/"; fi
mkdir -p "$matches"
# A whole match of nine-card Verlano, recorded by the simulator, named as the game names its own.
"$sim" play --variant nine --fast --matches 1 --seed 7 --record "$scratch/recorded" >/dev/null ||
  fail "the simulator did not record a match"
mv "$scratch/recorded/match-0001.rec" "$matches/match-20261208-142035.rec"
"$sim" play --variant romane --fast --matches 1 --seed 8 --record "$scratch/older" >/dev/null ||
  fail "the simulator did not record a second match"
mv "$scratch/older/match-0001.rec" "$matches/match-20261201-090000.rec"
touch -d '1 hour ago' "$matches/match-20261201-090000.rec"
printf 'verlano-record 1\nplay.1.1 seat=9\n' >"$matches/match-20261208-150000.rec"

start "$scratch/game/verlano"
# The Statistics tab ("Statistiche" stands further right).
if [ "${LANGUAGE:-}" = it ]; then click 490 "$tab_y"; else click "${tab_x[5]}" "$tab_y"; fi
xdotool key alt+v
poll 600 window_shown || fail "Alt+V on the Statistics tab opened no review window"
review_area() { geometry "$review" | awk '{ printf "%dx%d+%d+%d\n", $1, $2, $3, $4 }'; }
# The older record chosen while the newest is still weighed, then the newest again.
xdotool key alt+m Down
poll 1200 review_written || fail "the review of the record chosen never showed"
steady older "$(review_area)"
xdotool key alt+m Up
changes review older "$(review_area)" "choosing the newest record again did not change the review"
poll 1200 review_written || fail "the review of the newest record never showed"
steady review "$(review_area)"
same review older && fail "the two records' reviews look the same"
if [ -n "${VERLANO_SHOTS:-}" ]; then convert "$scratch/review.ppm" "$VERLANO_SHOTS/record_review${LANGUAGE:+_$LANGUAGE}.png"; fi
said "match-20261208-150000.rec" || { cat "$out"; fail "the damaged record was not said"; }
[ -e "$matches/match-20261208-150000.rec.bad" ] || fail "the damaged record was not kept aside"
[ -e "$matches/match-20261208-142035.rec" ] || fail "the whole record went"
echo "ok: the recorded match is reviewed in a window of its own; the damaged record is said and kept aside"

xdotool key Escape
poll 600 window_gone || fail "Escape did not close the review window"
dialog_shown || fail "closing the review closed the dialog"
xdotool key Escape
ends_with 0 "Escape on the dialog after the review"
echo "ok: Escape closes the review and leaves the dialog"
