#pragma once
// The score of a finished (or running) hand from each side's taken cards and
// sweeps, item by item in the game's `HandScore`, each item worth what the
// variant's record says. The game's `ScoreHand` counts through it, and the
// score page's open pile shows the primiera cards it counted.

#include <array>

#include "engine/card_set.h"
#include "engine/engine_rules.h"
#include "rules/scoring.h"

namespace verlano::engine {

struct Position;

// The card that counts for the primiera in each suit (by the suit's index in
// the card facts): the side's best of that suit, -1 where it has none.
std::array<int, 4> PrimieraCards(CardSet cards);

HandScore ScoreSides(const EngineRules& rules, CardSet we, CardSet they, int weSweeps,
                     int theySweeps);

HandScore ScorePosition(const Position& position);

}  // namespace verlano::engine
