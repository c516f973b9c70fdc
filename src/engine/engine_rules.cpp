#include "engine/engine_rules.h"

#include "rules/settings.h"

namespace verlano::engine {

EngineRules RulesFromSettings(const Settings& s) {
  const bool romane = s.TenCards && !s.NapoletaneRules && !s.UmbriaMarcheRules;
  EngineRules rules;
  rules.cardsPerHand = s.CardsPerHand;
  rules.packetSize = s.DealPacketSize;
  rules.tableDeal = !s.TenCards;
  rules.coinPoints = romane;
  rules.mostCoins = s.ExtraCoinPoints || s.UmbriaMarcheRules || !s.TenCards || s.NapoletaneRules;
  rules.kingOfCoins = s.ExtraCoinPoints || s.UmbriaMarcheRules;
  rules.coinsWeighMore = s.TenCards && !s.NapoletaneRules;
  rules.matchTarget = romane ? 40 : 20;
  return rules;
}

}  // namespace verlano::engine
