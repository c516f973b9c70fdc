#pragma once
// A play told as cards (the card played and the table cards it took), found
// among the plays the rules allow where it was made (the human's larger
// captures too): how a recorded play or a line of the hand's story becomes a
// move of the engine again.

#include "engine/card_set.h"
#include "engine/position.h"

namespace verlano::engine {

enum class PlayFault {
  None,
  NotItsTurn,  // another seat is to play
  NotHeld,     // the seat does not hold the card
  NotLegal,    // the cards it takes are not a capture the rules allow there
};

// The move of `seat` playing `card` and taking exactly `taken` in `position`,
// into `found`; or what keeps it from being one.
PlayFault FindPlay(const Position& position, int seat, int card, CardSet taken, Move& found);

}  // namespace verlano::engine
