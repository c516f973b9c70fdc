#!/usr/bin/env bash
# The hand's end on a private X server: with "Keep the last table until I
# click" in the settings, a hand played out with the mouse ends on its table,
# not the score page, until a click, and S shows the story over it; on the page a click on our pile lays it
# open and T shows theirs, T again closes it; a page whose first row carries
# the match totals over, continued from a kept match, labels that row.
#   hand_end.sh GAME
# VERLANO_SHOTS=DIR keeps the held table, the page with each pile open and the
# page with the carried row there (in Italian under LANGUAGE=it).
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/kept_match.sh"

# The open pile's panel in its lower right corner beside the page.
pile_open() { still_playing && shot pile && dark $(screen_colour pile $(on_screen 600 506 40 8)); }
# The open side's pile beside the page is outlined in gold (the Trevigiano
# deck's piles: ours from x 28, theirs from 672, 100 wide).
outlined() { gold $(screen_colour "$1" $(on_screen "$2" 250 2 60)); }  # SHOT X
their_open() { pile_open && outlined pile 670 && ! outlined pile 26; }
pile_closed() { still_playing && shot pile && ! dark $(screen_colour pile $(on_screen 600 506 40 8)); }

game_copy "$scratch/game" yes
# The catalogues too, so that a run under LANGUAGE=it shows the Italian words.
if [ -d "$(dirname "$game")/locale" ]; then cp -r "$(dirname "$game")/locale" "$scratch/game/"; fi
mkdir -p "$XDG_CONFIG_HOME/verlano"
printf 'verlano-settings 1\noptions fast-animation=1 hold-last-table=1\nend\n' \
  >"$XDG_CONFIG_HOME/verlano/settings"

# 1. A hand played out ends on its table, kept until a click.
start "$scratch/game/verlano"
xdotool key Return
screen_area
poll 1200 table_drawn || fail "the game never showed its table"
wait_for_hand 9
play_out_hand 9
poll 1800 hand_over_kept || fail "the hand never ended"
steady held "$(table_rect)"
baize held 300 480 40 20 || fail "the score page showed although the last table is held"
keep_shot held hand_end_held
# S lays the story over the held table's right side, its remainder on top; S again hides it.
story_shown() { still_playing && shot story && dark $(screen_colour story $(on_screen 797 100 2 400)); }
xdotool key s
poll 600 story_shown || fail "S did not show the story over the held table"
steady story "$(table_rect)"
keep_shot story hand_end_held_story
xdotool key s
poll 600 eval '! story_shown' || fail "S again did not hide the story"
xdotool mousemove $(point 400 300) click 1
poll 600 page_shown || fail "a click on the held table did not show the score page"
echo "ok: the hand's last table stays until a click, then the score page shows"

# 2. Our pile opens with a click on it, theirs with T; T again closes it.
xdotool mousemove $(point 78 280) click 1
poll 600 pile_open || fail "a click on our pile did not lay it open"
outlined pile 26 || fail "our pile, laid open, is not outlined"
xdotool mousemove $(point 740 590)
steady pile "$(table_rect)"
keep_shot pile score_page_pile
xdotool key t
poll 600 their_open || fail "T did not show their pile"
steady theirs "$(table_rect)"
keep_shot theirs score_page_pile_theirs
xdotool key t
poll 600 pile_closed || fail "T again did not close their pile"
page_shown || fail "closing the pile left the score page"
echo "ok: a click lays our pile open, T theirs, and T again closes it on the score page"
xdotool key Escape
ends_with 0 "Escape on the score page"

# 3. The kept page's first row made a carried one: the continued page labels it.
file=$(match_file)
awk '$1 == "match" {
    for (i = 2; i <= NF; ++i) { split($i, kv, "="); f[kv[1]] = kv[2] }
    we = f["target"] - f["we"] < 8 ? f["target"] - f["we"] : 8
    they = f["target"] - f["they"] < 6 ? f["target"] - f["they"] : 6
    $0 = sprintf("match we=%d they=%d target=%d hands=2 history-we=%d,%d history-they=%d,%d %s",
                 we + f["we"], they + f["they"], f["target"], we, f["we"], they, f["they"],
                 "carried-row=1 over=0 tie-over-target=0")
  } { print }' "$file" >"$file.edit"
mv "$file.edit" "$file"
start "$scratch/game/verlano"
xdotool key alt+c
screen_area
poll 1200 page_shown || { cat "$out"; fail "the continued match did not show its score page"; }
xdotool mousemove $(point 740 590)
steady carried "$(table_rect)"
keep_shot carried score_page_carried
echo "ok: a continued page with a carried row shows it"
xdotool key Escape
ends_with 0 "Escape on the continued score page"
