#pragma once
// The one timed wait of the game: the "PAUSED" state holds the machine for a
// number of milliseconds of the frame clock, then resumes the state it
// interrupted. The deal's reveals and the landings of played cards start it.

#include <cstdint>

namespace verlano {

struct Game;

// Pauses for `milliseconds` from the frame's clock, then resumes the state
// the machine is in now.
void StartPause(Game& game, std::uint32_t milliseconds);

// How many frames, from the one to be stepped at `nextTick` and one every
// `frameMs` after it, leave a paused game exactly as it is but for the clock:
// those before the pause ends. 0 when the game is not in "PAUSED".
std::uint64_t QuietPauseFrames(const Game& game, std::uint64_t nextTick, std::uint32_t frameMs);

}  // namespace verlano
