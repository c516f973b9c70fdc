#!/usr/bin/env bash
# The game's start-up time, peak memory and idle CPU, measured on a Release
# build in build/rel (made here if missing):
#   - from Play to the first frame: unpacking, loading, the first deal and
#     frame, removing the files (bench_game, medians of repetitions);
#   - peak memory (max RSS) of a whole simulated match and of the real game
#     under Xvfb;
#   - the real game's share of a core, and the X server's, over 10 seconds
#     while waiting for the human's play and while paused with P.
# Figures only: nothing here passes or fails on a time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/rel
seconds=${MEASURE_SECONDS:-10}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVERLANO_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target verlano verlano-sim verlano_archive bench_game >/dev/null

echo "== From Play to the first frame (bench_game, median of 10)"
"$build/bin/bench_game" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
  2>/dev/null | grep -E '_median|^Benchmark'

echo "== Peak memory of one whole simulated match (nine cards)"
/usr/bin/time -v "$build/bin/verlano-sim" play --variant nine --matches 1 --seed 1 2>&1 >/dev/null |
  grep 'Maximum resident' || true

game=$build/bin/verlano
here=$root/tests/e2e
. "$here/x_session.sh"
. "$here/table_screen.sh"

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Share of one core used by each of the game and the X server over the period.
cpu_share() {  # WHAT
  local game0 x0 game1 x1 hz
  hz=$(getconf CLK_TCK)
  game0=$(ticks "$game_pid") x0=$(ticks "$xvfb_pid")
  sleep "$seconds"
  game1=$(ticks "$game_pid") x1=$(ticks "$xvfb_pid")
  awk -v g=$((game1 - game0)) -v x=$((x1 - x0)) -v hz="$hz" -v s="$seconds" -v what="$1" \
    'BEGIN { printf "%s: game %.1f%% of a core, X server %.1f%% (over %d s)\n", what, 100 * g / hz / s, 100 * x / hz / s, s }'
}

game_copy "$scratch/game" yes
start "$scratch/game/verlano"
xdotool key Return
screen_area
wait_for_hand 9
# The computer seats play until it is the human's turn; then the picture holds still.
shot still0
for i in $(seq 60); do
  sleep 1
  shot "still$i"
  same "$scratch/still$((i - 1)).ppm" "$scratch/still$i.ppm" && break
done
echo "== The real game under Xvfb (1280x1024), Release"
cpu_share "waiting for the human's play"
xdotool key p
sleep 0.5
cpu_share "paused with P"
awk '/^(VmHWM|RssAnon|RssFile):/ { printf "%s %.1f MB  ", $1, $2 / 1024 } END { print "(peak; own memory; mapped libraries)" }' \
  "/proc/$game_pid/status"
xdotool key Escape
ends_with 0 "Escape"
