#!/usr/bin/env bash
# Verlano against a hostile environment and a careless user: odd folders and
# links where the game writes, signals and a dying X server in every phase, a
# small screen, damaged archives under a memory limit, and the tools' refusals.
# Each case prints "ok: ..." or "FAIL: ..."; the last line totals them and the
# status is 1 when any failed.
#   bash scripts/hostile.sh [BIN]   # BIN: built programs with res077.pak
#                                   # (default: a Release build in build/hostile)
set -uo pipefail
cd "$(dirname "$0")/.."
if [ $# -ge 1 ]; then
  bin=$(realpath "$1")
else
  # Release, so that a memory limit binds as it does for a player.
  cmake -S . -B build/hostile -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
  cmake --build build/hostile -j"$(nproc)" >/dev/null || exit 1
  bin=$(realpath build/hostile/bin)
fi
for tool in Xvfb xdotool xdpyinfo flock; do
  command -v "$tool" >/dev/null || { echo "hostile: $tool is missing (bash scripts/setup.sh)"; exit 1; }
done

for part in session folders player_files phases screens tools archives; do
  # shellcheck source=/dev/null
  . "scripts/hostile/$part.sh"
done
hostile_folders
hostile_player_files
hostile_phases
hostile_screens
# The tools' and archives' parts print their own verdicts; they are counted here.
counted() {  # FUNCTION ARGS...
  local log=$work/$1.log
  "$@" | tee "$log"
  cases=$((cases + $(grep -c -e '^ok:' -e '^FAIL:' "$log")))
  failures=$((failures + $(grep -c '^FAIL:' "$log")))
}
counted hostile_tools "$bin"
# Bad Italian catalogues beside the game: English, and no crash.
counted bash tests/po/bad_catalogues.sh "$bin/verlano" "$bin/locale/it/LC_MESSAGES/verlano.mo" msgfmt
start_x || { echo "hostile: no X server"; exit 1; }
counted hostile_archives "$bin"
stop_x
echo "hostile: cases $cases failed $failures"
[ "$failures" = 0 ]
