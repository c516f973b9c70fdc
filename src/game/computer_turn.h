#pragma once
// A computer seat's decision at the table, by the level the options gave it:
// the classic player, or a level of the engine's ladder, which sees the game
// as that seat does (an engine position with the other hands hidden). The
// seed of each such choice comes from the game's own search stream, so a
// match replays exactly from its seed. With the game's `SeatSearch`, every
// level but Classic decides on a worker thread, started ahead when the
// position is known.

#include <optional>

#include "game/engine_view.h"

namespace verlano {

struct Game;

// The seat's play; nothing while its search is still under way.
std::optional<ComputerPlay> ChooseForSeat(Game& game, int seat);

// After `seat` chose `play` (before it is played): when the next seat is not
// a Classic one and the hand goes on, starts its search on the position this play
// leaves, so that it runs while the card flies and lands.
void SearchAhead(Game& game, int seat, const ComputerPlay& play);

}  // namespace verlano
