#include "engine/engine_rules.h"

#include "engine/position.h"

namespace verlano::engine {

EngineRules RulesOf(const VariantRules& variant) {
  EngineRules rules;
  rules.cardsPerHand = variant.CardsPerHand;
  rules.packetSize = variant.DealPacketSize;
  // The game's own answer for every count of hand cards, so both deal alike.
  for (int dealt = 1; dealt <= kSeats * variant.CardsPerHand; ++dealt) {
    if (TableBreakAfter(variant, dealt)) rules.tableBreaks |= std::uint64_t{1} << dealt;
  }
  rules.tableCardsPerBreak = TableCardsPerBreak(variant);
  rules.points = variant.Points;
  rules.coinKeepBonus = variant.CoinKeepBonus;
  rules.matchTarget = variant.MatchTarget;
  return rules;
}

}  // namespace verlano::engine
