#!/usr/bin/env bash
# Fills the seed corpus in fuzz/corpus/TARGET with small archives made with
# verlano-pak (every folder prefix, a placeholder, the background picture,
# unsafe names, damaged extents), minimised per target with libFuzzer's
# -merge=1: an archive joins the corpus only if it adds coverage to what is
# there, so inputs added by hand (findings) stay.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/fuzz_build.sh
build=build/fuzz
pak="$build/bin/verlano-pak"
raw=$(mktemp -d)
trap 'rm -rf "$raw"' EXIT
printf 'RIFF' >"$raw/flip.wav"
printf 'BM' >"$raw/mouse.bmp"
printf '\xff\xd8\xff\xe0' >"$raw/back.jpg"
: >"$raw/empty"
printf 'PACK\x0c\0\0\0\0\0\0\0' >"$raw/seed-empty.pak"
"$pak" create "$raw/seed-one.pak" Sounds_CARD_FLIP.WAV="$raw/flip.wav"
"$pak" create "$raw/seed-routes.pak" dummy="$raw/empty" Bitmaps_mouse.bmp="$raw/mouse.bmp" \
  Trent_AC.BMP="$raw/mouse.bmp" Trevigiano_KS.BMP="$raw/mouse.bmp" Royal_S_cardback.bmp="$raw/mouse.bmp" \
  fntFonts_fntDigit.bmp="$raw/mouse.bmp" Bitmaps_Back_800x600.jpg="$raw/back.jpg" Other="$raw/empty"
"$pak" create "$raw/seed-escape.pak" "Sounds_../x=$raw/flip.wav" "Royal_/abs=$raw/empty" \
  "Trent_C:x=$raw/empty" "Bitmaps_.=$raw/empty" "Sounds_a\\b=$raw/empty"
# The same entry stored twice, and a directory record pointing past the end.
"$pak" create "$raw/seed-twice.pak" Sounds_A.WAV="$raw/flip.wav" Sounds_A.WAV="$raw/flip.wav"
cp "$raw/seed-one.pak" "$raw/seed-past-end.pak"
printf '\xff\x7f' | dd of="$raw/seed-past-end.pak" bs=1 seek=$((16 + 56 + 2)) conv=notrunc status=none
# A background whose frame header claims 30000x30000 pixels, and two entries
# overlapping so that together they claim more than the archive holds.
printf '\xff\xd8\xff\xc0\x00\x0b\x08\x75\x30\x75\x30\x01\x01\x11\x00\xff\xda' >"$raw/huge.jpg"
"$pak" create "$raw/seed-huge-jpeg.pak" Bitmaps_Back_800x600.jpg="$raw/huge.jpg"
"$pak" create "$raw/seed-overlap.pak" Sounds_A.WAV="$raw/huge.jpg" Sounds_B.WAV="$raw/huge.jpg"
printf '\x0c\0\0\0\xa2' | dd of="$raw/seed-overlap.pak" bs=1 seek=$((12 + 34 + 64 + 56)) conv=notrunc status=none
for t in pak_read pak_unpack; do
  mkdir -p "fuzz/corpus/$t"
  "$build/bin/fuzz_$t" -merge=1 "fuzz/corpus/$t" "$raw" 2>/dev/null
  echo "fuzz/corpus/$t: $(ls "fuzz/corpus/$t" | wc -l) files, $(du -sk "fuzz/corpus/$t" | cut -f1) KB"
done
