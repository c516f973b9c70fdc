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

}  // namespace verlano
