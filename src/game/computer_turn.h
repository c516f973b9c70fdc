#pragma once
// A computer seat's decision at the table, by the level the options gave it:
// the classic player, or the expert, which sees the game as that seat does (an
// engine position with the other hands hidden) and searches sampled deals.
// The seed of each search comes from the game's own search stream, so a match
// replays exactly from its seed.

#include "ai/choose.h"
#include "engine/position.h"

namespace verlano {

struct Game;

ComputerPlay ChooseForSeat(Game& game, int seat);

// The hand in play as the engine keeps it, with `seat` to play, in the game's
// own orders (hand cards, table entries), so an engine move maps straight back.
engine::Position PositionOf(const Game& game, int seat);

}  // namespace verlano
