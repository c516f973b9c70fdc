#pragma once
// The classic computer player, the game's own: every hand card, every capture
// it allows or laying it down, one score each, the first best in hand and
// capture order. A capture is worth its cards, coins, premiums (the seven of
// coins, a sweep) and primiera, and far more when it leaves no sweep; a
// lay-down is worth its safety plus a small keep value that gives up the card
// that matters least. Scores are single precision and the keep value double,
// so equal plays tie exactly and the first one found wins. It reads its own
// hand, the table and its memory of the hand, and allocates nothing, which
// makes it the expert player's playout policy too.

#include <array>
#include <vector>

#include "engine/captures.h"
#include "engine/position.h"

namespace verlano::engine {

inline constexpr int kHighestValue = 10;  // a king's; a table adding up to more cannot be swept

// A play with the parts of the classic score the game's `CaptureChoice` keeps.
struct ScoredMove {
  Move move;
  bool safe = false;
  int premium = 0;
  int primieraSum = 0;
  float score = 0;  // the final score the choice is made on
};

// What the classic player remembers of the hand: how many cards of each value
// (1 to 10) have reached the table, and whether the seven and the King of
// Coins lie on the table or in a side's pile.
struct ClassicMemory {
  std::array<int, kHighestValue + 1> played{};
  bool settebelloOut = false;
  bool kingOut = false;
};

// The memory the position shows: a card that swept lies on its sweep mark,
// where the player does not look for the seven or the king.
ClassicMemory MemoryOf(const Position& position);

// The classic player's choice for the seat to play (which must hold a card)
// with the position's own memory; `scored`, when given, is increased by the
// number of plays weighed.
ScoredMove ClassicMove(const Position& position, long* scored = nullptr);

// The same with the memory the game keeps.
ScoredMove ClassicMove(const Position& position, const ClassicMemory& memory);

// Every legal play of the seat to play with its classic score, in the
// player's order (the lawful captures the player never makes after its own);
// `out` is cleared first.
void ClassicScores(const Position& position, const ClassicMemory& memory,
                   std::vector<ScoredMove>& out, CaptureReach reach = CaptureReach::Searched);

// How readily the player lays down the card at `handIndex` of the seat to
// play: cards of a value already seen count for it; the seven of coins, a
// scoring King of Coins, sevens and kings while those are unseen, coins (by
// the variant's bonus) and high primiera count against it.
double KeepValue(const Position& position, const ClassicMemory& memory, int handIndex);

}  // namespace verlano::engine
