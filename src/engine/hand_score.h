#pragma once
// The score of a finished (or running) hand from each side's taken cards and
// sweeps, item by item in the game's `HandScore`, each item worth what the
// variant's record says. The game's `ScoreHand` counts through it.

#include "engine/card_set.h"
#include "engine/engine_rules.h"
#include "rules/scoring.h"

namespace verlano::engine {

struct Position;

HandScore ScoreSides(const EngineRules& rules, CardSet we, CardSet they, int weSweeps,
                     int theySweeps);

HandScore ScorePosition(const Position& position);

}  // namespace verlano::engine
