#pragma once
// Every capture the card just played may legally make, as the human's clicks
// are judged (`CheckSelection`): the one table card of equal value when there
// is one, else any set of table cards adding up to its value. The hints light
// their cards, the automatic capture takes the only one, and the message line
// asks whether a choice can still be completed; none of it changes the game.

#include <array>
#include <cstdint>

namespace verlano {

struct Game;

// Table entries as bits: bit i for table position i.
using TableSet = std::uint64_t;

inline constexpr int kHighestValue = 10;  // a king's capture value

// For each sum 0..10, how many sets of the table cards in `among` add up to it
// (the empty set for 0), counted no higher than 2: none, one, or several.
std::array<int, kHighestValue + 1> SetsAddingUp(const Game& game, TableSet among);

struct LegalCaptures {
  TableSet cards = 0;  // every table card that belongs to some legal capture
  int count = 0;       // how many captures there are: 0, 1, or 2 for several
};

// The legal captures of the card just played (the last table entry).
LegalCaptures FindLegalCaptures(const Game& game);

}  // namespace verlano
