#!/usr/bin/env bash
# Before/after sheets of the same 24 court cards, eight of each deck (every
# suit's page and king of the Trevigiano deck, knight and king of the Trent,
# jack and queen of the Royal), on the table's green: court_full.png at the
# size the 800x600 table shows them, court_half.png at half that size.
# Usage: court_sheets.sh BEFORE.pak AFTER.pak OUTDIR [VERLANO-PAK]
set -euo pipefail
before=$1 after=$2 out=$3 pak=${4:-verlano-pak}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$pak" extract "$before" "$work/before" >/dev/null
"$pak" extract "$after" "$work/after" >/dev/null
baize='#238b38'

# One labelled row: the eight cards of DECK's two RANKS from SIDE's archive, at SCALE.
row() {
  local scale=$1 side=$2 deck=$3 cards=()
  shift 3
  for rank in "$@"; do
    for suit in C D H S; do cards+=("$work/$side/${deck}_$rank$suit.BMP"); done
  done
  convert "${cards[@]}" -fill "$baize" -opaque magenta -resize "$scale" \
    -bordercolor "$baize" -border 3 +append -background "$baize" -gravity West \
    -splice 92x0 -fill white -font DejaVu-Sans -pointsize 13 -annotate +6+0 "$deck\n$side" \
    "$work/row_${scale%\%}_${deck}_$side.png"
}

sheet() {
  local scale=$1 file=$2 rows=()
  for line in "Trevigiano J K" "Trent Q K" "Royal J Q"; do
    set -- $line
    for side in before after; do
      row "$scale" "$side" "$@"
      rows+=("$work/row_${scale%\%}_$1_$side.png")
    done
  done
  convert "${rows[@]}" -append -bordercolor "$baize" -border 4 +repage -colors 256 -strip "PNG8:$out/$file"
}

sheet 100% court_full.png
sheet 50% court_half.png
