#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the Release build and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$(nproc)"
exec "$build/bin/verlano"
