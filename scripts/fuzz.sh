#!/usr/bin/env bash
# Builds the PAK fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build/fuzz and runs it for a bounded time,
# starting from a few archives made with verlano-pak.
# FUZZ_SECONDS sets the time (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVERLANO_FUZZ=ON -DVERLANO_SANITIZE=ON >"$build.configure.log" 2>&1 ||
  { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)" --target fuzz_pak verlano-pak

corpus=$build/corpus
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
mkdir -p "$corpus"
printf 'RIFF' >"$seeds/flip.wav"
printf 'BM' >"$seeds/mouse.bmp"
: >"$seeds/empty"
pak="$build/bin/verlano-pak"
printf 'PACK\x0c\0\0\0\0\0\0\0' >"$corpus/seed-empty.pak"
"$pak" create "$corpus/seed-one.pak" Sounds_CARD_FLIP.WAV="$seeds/flip.wav"
"$pak" create "$corpus/seed-routes.pak" dummy="$seeds/empty" Bitmaps_mouse.bmp="$seeds/mouse.bmp" \
  Trent_AC.BMP="$seeds/mouse.bmp" fntFonts_fntDigit.bmp="$seeds/mouse.bmp" Other="$seeds/empty"
"$pak" create "$corpus/seed-escape.pak" "Sounds_../x=$seeds/flip.wav" "Royal_/abs=$seeds/empty"

ASAN_OPTIONS=detect_leaks=1 "$build/bin/fuzz_pak" "$corpus" \
  -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 -print_final_stats=1 2>"$build/fuzz.log" ||
  { tail -50 "$build/fuzz.log"; exit 1; }
tail -3 "$build/fuzz.log"
