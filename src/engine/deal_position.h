#pragma once
// A new hand dealt as the game deals it: the 40 cards shuffled by drawing
// card indices until each has come once, then the variant's packets from the
// leader round the table, with its table cards at each break of the deal (the
// nine-card game: packets of three, two table cards after the 12th and the
// 24th hand card). The leader plays first.

#include "engine/engine_rules.h"
#include "engine/position.h"
#include "rules/random.h"

namespace verlano::engine {

Position DealPosition(const EngineRules& rules, int leader, Random& rng);

}  // namespace verlano::engine
