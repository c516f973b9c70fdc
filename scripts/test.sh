#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the test build (warnings as errors,
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test; the
# tests that run threads again under ThreadSanitizer (scripts/tsan.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
# Each phase says how long it took, so a slow CI run shows where its time went.
phase_start=$SECONDS
phase() {
  echo "phase: $1 took $((SECONDS - phase_start)) s"
  phase_start=$SECONDS
}
bash scripts/setup.sh
phase set-up

build=build/test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DVERLANO_TESTS=ON -DVERLANO_BENCH=ON -DVERLANO_SANITIZE=ON -DVERLANO_WERROR=ON
cmake --build "$build" -j"$(nproc)"
phase "test build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The archive fuzz targets, a short soak of whole matches (in this build, so no
# other build is made), the hostile environments (on a Release build, where
# a memory limit binds as it does for a player) and the Debian package built,
# installed and removed (from that Release build) run first, so that the test
# summary closes the output.
bash scripts/fuzz.sh all 30 1
phase fuzzing
SOAK_BUILD="$build" bash scripts/soak.sh 90 1
phase soak
bash scripts/hostile.sh
phase "hostile cases"
# The Debian package, from the Release build the hostile cases just used.
bash scripts/package.sh build/hostile
phase package
# The tests that run threads, under ThreadSanitizer in a build of their own
# (the simulator's case with this build's archive); a race fails the run
# once the summary below is printed.
tsan=0
bash scripts/tsan.sh "$build/bin/res077.pak" || tsan=1
phase ThreadSanitizer
# ctest's own "Total Test time" is its phase's figure; its summary stays last.
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
[ "$tsan" = 0 ] || { echo "test: the ThreadSanitizer run failed (its 'tsan:' lines above)"; exit 1; }
