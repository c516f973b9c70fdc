#pragma once
// A computer seat's decision at the table, by the level the options gave it:
// the classic player, or the expert, which sees the game as that seat does (an
// engine position with the other hands hidden) and searches sampled deals.
// The seed of each search comes from the game's own search stream, so a match
// replays exactly from its seed.

#include "ai/choose.h"

namespace verlano {

struct Game;

ComputerPlay ChooseForSeat(Game& game, int seat);

}  // namespace verlano
