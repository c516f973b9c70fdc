#include "engine/engine_rules.h"

#include "rules/settings.h"

namespace verlano::engine {

EngineRules RulesFromSettings(const Settings& s) {
  const VariantRules& variant = s.Rules;
  EngineRules rules;
  rules.cardsPerHand = variant.CardsPerHand;
  rules.packetSize = variant.DealPacketSize;
  rules.tableDeal = variant.TableCardsAtDeal > 0;
  rules.coinPoints = variant.Points.PerCoin > 0;
  rules.mostCoins = variant.Points.MostCoins > 0;
  rules.kingOfCoins = variant.Points.KingOfCoins > 0;
  rules.coinsWeighMore = variant.CoinKeepBonus > 0;
  rules.matchTarget = variant.MatchTarget;
  return rules;
}

}  // namespace verlano::engine
