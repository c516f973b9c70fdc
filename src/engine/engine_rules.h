#pragma once
// The rule variant as the engine plays it: every number of the game's
// `VariantRules` record that decides a hand (the deal's shape, what each score
// item is worth, the classic player's coin weight, the match target), copied
// from the record in one place, `RulesOf`, so that any row of the variant
// table, a new one or a changed one, reaches the engine whole.

#include <cstdint>

#include "rules/variant_rules.h"

namespace verlano::engine {

struct EngineRules {
  int cardsPerHand = 0;
  int packetSize = 0;  // cards dealt to a seat at a time
  // Bit n set: the deal lays `tableCardsPerBreak` table cards once n cards reached the hands.
  std::uint64_t tableBreaks = 0;
  int tableCardsPerBreak = 0;
  ItemPoints points;
  int coinKeepBonus = 0;  // how much harder the classic player keeps a coin
  int matchTarget = 0;    // a side wins with more than this

  bool operator==(const EngineRules&) const = default;
};

EngineRules RulesOf(const VariantRules& variant);

}  // namespace verlano::engine
