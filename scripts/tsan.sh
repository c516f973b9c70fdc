#!/usr/bin/env bash
# The tests whose code runs worker threads (ctest label "threads": the expert
# seats' and the hint's searches, the duel's threads, a match of expert seats
# kept and reloaded, take-backs, the review at the table and of a recorded
# match), built with ThreadSanitizer in a build of their own,
# build/tsan (optimised, as TSan advises; it cannot share a program with the
# test build's AddressSanitizer), and run. Any data race fails its test.
# Prints "tsan: ..." with the verdict and the time taken; status 1 on a race
# or any other failure.
#   bash scripts/tsan.sh [ARCHIVE]  # res077.pak for the simulator's case
#                                   # (default: the test build's; none: skipped)
set -uo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
build=build/tsan
archive=${1:-build/test/bin/res077.pak}
mkdir -p "$build"
if ! { cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERLANO_TESTS=ON \
         -DVERLANO_TSAN=ON -DVERLANO_WERROR=ON &&
       cmake --build "$build" -j"$(nproc)" --target test_game test_engine test_memory test_tools verlano-sim; } \
     >"$build/build.log" 2>&1; then
  tail -n 40 "$build/build.log"
  echo "tsan: FAILED: the ThreadSanitizer build did not build ($build/build.log)"
  exit 1
fi
# The simulator finds its archive beside itself; the build draws none.
skip=()
if [ -f "$archive" ]; then
  cp "$archive" "$build/bin/res077.pak"
else
  skip=(-E threads_save_chain)
  echo "tsan: no archive at $archive: the simulator's case is left out"
fi
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
if ctest --test-dir "$build" -L threads "${skip[@]}" --output-on-failure; then
  echo "tsan: passed, no data race reported ($((SECONDS - start)) s)"
else
  echo "tsan: FAILED ($((SECONDS - start)) s)"
  exit 1
fi
