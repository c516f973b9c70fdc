#pragma once
// One hand in play as plain fixed-size data: the four hands and the table in
// the order the game keeps them (the computer player's choices depend on it),
// each side's taken cards, sweeps and the turn. Copying a position is a
// memcpy of about 140 bytes, so a search copies it freely.

#include <array>
#include <cstdint>

#include "engine/card_set.h"
#include "engine/engine_rules.h"
#include "engine/play_rules.h"
#include "rules/piles.h"

namespace verlano::engine {

inline constexpr int kMaxHand = 10;
inline constexpr int kMaxTable = 40;
// The computer players take one equal card or a set of two to four adding up.
inline constexpr int kMostSummed = 4;
// The human may choose a larger set where the card must take at all, up to
// the most the rules let a capture take.
inline constexpr int kMaxTaken = kMostTakenCards;

// A play: the hand position of the card and the table positions it takes
// (none: the card is laid on the table).
struct Move {
  std::int8_t handIndex = 0;
  std::int8_t count = 0;
  std::array<std::int8_t, kMaxTaken> positions{};
};

struct Position {
  EngineRules rules;
  std::array<std::array<std::int8_t, kMaxHand>, kSeats> hands{};
  std::array<std::int8_t, kSeats> handCount{};
  std::array<std::int8_t, kMaxTable> table{};
  std::int8_t tableCount = 0;
  std::int8_t toPlay = 0;
  std::int8_t lastCapturer = 0;  // the game's remainder goes to WE when nobody captured
  std::int8_t cardsPlayed = 0;
  std::array<std::int8_t, 2> sweeps{};
  std::array<CardSet, 2> taken{};
  // Cards that swept: the game lays them on the sweep marks, not on the side's
  // pile, and its computer player does not count them as gone.
  CardSet sweepCards = 0;

  CardSet TableSet() const;
  CardSet HandSet(int seat) const;
  // Every card that has reached the table this hand: on it or taken.
  CardSet PlayedSet() const { return TableSet() | taken[0] | taken[1]; }
  bool HandOver() const { return LastPlayOfHand(cardsPlayed, rules.cardsPerHand); }
};

// The same hand in play: every card where it is and the same turn, whatever
// the unused ends of the hand and table arrays hold.
bool operator==(const Position& a, const Position& b);

// Plays the move of the seat to play. The last play of the hand sweeps
// nothing and gives what is left on the table to the side that captured last.
void ApplyMove(Position& position, const Move& move);

}  // namespace verlano::engine
