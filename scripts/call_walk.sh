#!/usr/bin/env bash
# Follows whole frames of the game through the calls, under gdb, and prints
# the files each one passes through: the frame in which a computer seat plays,
# the frame of the click that completes the human's capture, and the frame in
# which that capture is committed as its cards land.
#   bash scripts/call_walk.sh [SOURCE_DIR]
# SOURCE_DIR (default: this checkout) may be another checkout, to compare
# two versions: each is built in its own build/walk without optimisation.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "${1:-$here/..}" && pwd)
build=$source_dir/build/walk

cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O0 >/dev/null
cmake --build "$build" -j2 --target verlano-sim verlano_archive >/dev/null

export WALK_SOURCE=$source_dir
export WALK_MARKERS=state_machine.cpp:PlayComputerSeat,verlano::StoreSelection,verlano::CommitHumanCapture
gdb -q -batch -x "$here/walk/frame_walk.py" \
  --args "$build/bin/verlano-sim" play --variant nine --matches 1 --seed 1 --quiet 2>&1 |
  grep -E '^(walk|  )'
