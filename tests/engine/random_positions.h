#pragma once
// Random positions for the engine's tests: a hand of every variant part-way
// played, and the same position with the cards the seat to play cannot see
// dealt among the other seats anew, for the searches' no-peeking checks.

#include <algorithm>
#include <vector>

#include "engine/classic_policy.h"
#include "engine/deal_position.h"
#include "rules/random.h"
#include "rules/variant_rules.h"

namespace verlano::engine::test {

inline const std::vector<EngineRules>& EveryVariant() {
  static const std::vector<EngineRules> rules = {
      RulesOf(RulesFor(Variant::Nine, false)), RulesOf(RulesFor(Variant::Romane, false)),
      RulesOf(RulesFor(Variant::Romane, true)), RulesOf(RulesFor(Variant::Napoletane, false)),
      RulesOf(RulesFor(Variant::UmbriaMarche, false))};
  return rules;
}

// A hand of the variant somewhere between its first and its last play.
inline Position MidHand(const EngineRules& rules, Random& rng) {
  Position p = DealPosition(rules, rng.Below(kSeats), rng);
  for (int plays = rng.Below(kSeats * rules.cardsPerHand - 1); plays > 0; --plays) {
    ApplyMove(p, ClassicMove(p).move);
  }
  return p;
}

// The other seats' cards dealt among them anew, each keeping its count: all
// the seat to play has seen stays as it was.
inline Position HiddenDealtAgain(Position p, Random& rng) {
  std::vector<std::int8_t> hidden;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == p.toPlay) continue;
    hidden.insert(hidden.end(), p.hands[seat].begin(), p.hands[seat].begin() + p.handCount[seat]);
  }
  for (std::size_t i = hidden.size(); i > 1; --i) {
    std::swap(hidden[i - 1], hidden[static_cast<std::size_t>(rng.Below(static_cast<int>(i)))]);
  }
  std::size_t next = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == p.toPlay) continue;
    for (int k = 0; k < p.handCount[seat]; ++k) p.hands[seat][k] = hidden[next++];
  }
  return p;
}

}  // namespace verlano::engine::test
