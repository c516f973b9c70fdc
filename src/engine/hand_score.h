#pragma once
// The score of a finished (or running) hand from each side's taken cards and
// sweeps, item by item as the game's `ScoreHand` counts it, in its `HandScore`.

#include "engine/card_set.h"
#include "engine/engine_rules.h"
#include "rules/scoring.h"

namespace verlano::engine {

struct Position;

HandScore ScoreSides(const EngineRules& rules, CardSet we, CardSet they, int weSweeps,
                     int theySweeps);

HandScore ScorePosition(const Position& position);

}  // namespace verlano::engine
