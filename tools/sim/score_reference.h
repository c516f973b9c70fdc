#pragma once
// The hand score counted the long way, for the agreement run to hold the
// engine's to: each side's cards read by their codes (the suit letter, "7D",
// "KD") and each item given the points the variant's record says, the sides
// compared item by item. No engine code is used.

#include "rules/game.h"

namespace verlano::sim {

// The score of `side` against `other`, with its sweeps so far.
SideScore ReferenceScore(const Game& game, const SidePiles& side, const SidePiles& other,
                         int sweeps);

}  // namespace verlano::sim
