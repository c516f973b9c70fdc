#pragma once
// The game's computer player (src/ai) rewritten on the engine's position:
// every hand card, every capture it allows or laying it down, one score each,
// the first best in hand and option order. It reads what the game's player
// reads (its own hand, the table, the cards gone) and scores in the same
// single and double precision steps, so it picks the very same play; it
// allocates nothing, which makes it the expert player's playout policy.

#include <vector>

#include "engine/position.h"

namespace verlano::engine {

// A play with the parts of the classic score the game's `CaptureChoice` keeps.
struct ScoredMove {
  Move move;
  bool safe = false;
  int premium = 0;
  int primieraSum = 0;
  float score = 0;  // the final score the choice is made on
};

// The classic player's choice for the seat to play (which must hold a card);
// `scored`, when given, is increased by the number of plays weighed.
ScoredMove ClassicMove(const Position& position, long* scored = nullptr);

// Every legal play of the seat to play with its classic score, in the
// player's order; `out` is cleared first.
void ClassicScores(const Position& position, std::vector<ScoredMove>& out);

}  // namespace verlano::engine
