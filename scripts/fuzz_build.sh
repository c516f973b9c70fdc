#!/usr/bin/env bash
# Builds the fuzz targets, verlano-pak and the game's archive (which the match
# loader's target plays on) with clang in build/fuzz: libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, optimised so that the
# sanitizers' checks, not unoptimised code, set the pace.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz
mkdir -p "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DVERLANO_FUZZ=ON -DVERLANO_SANITIZE=ON \
  >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)" --target fuzz_pak_read fuzz_pak_unpack fuzz_match_load fuzz_record_read \
  verlano-pak verlano_archive >/dev/null
