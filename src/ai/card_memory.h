#pragma once
// What the computer player remembers of the hand: how many cards of a value it
// knows about, and whether a given card has already shown up on the table or in
// a side's pile. Nothing beyond `PlayedByValue` and the piles themselves.

#include <span>

namespace verlano {

struct Game;

// `PlayedByValue` of the card's capture value plus the hand's cards of that
// value, the card itself included.
int KnownValueCount(const Game& game, int card, std::span<const int> hand);

// The card (an index such as kSettebello) lies in either side's pile or on the table.
bool CardIsOut(const Game& game, int card);

}  // namespace verlano
