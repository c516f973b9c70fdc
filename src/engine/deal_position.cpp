#include "engine/deal_position.h"

#include "engine/card_facts.h"

namespace verlano::engine {

namespace {

Pack Shuffle(Random& rng) {
  const CardFacts& facts = Facts();
  Pack deck{};
  CardSet drawn = 0;
  for (int n = 0; n < kPackCards;) {
    const int card = rng.Below(kCardIndexCount);
    if (!Has(facts.inPlay, card) || Has(drawn, card)) continue;
    drawn |= Bit(card);
    deck[n++] = static_cast<std::int8_t>(card);
  }
  return deck;
}

}  // namespace

Position DealPosition(const EngineRules& rules, int leader, Random& rng) {
  return DealFrom(rules, leader, Shuffle(rng));
}

Position DealFrom(const EngineRules& rules, int leader, const Pack& deck) {
  Position p;
  p.rules = rules;
  p.toPlay = static_cast<std::int8_t>(leader);
  int top = 0;
  int seat = leader;
  // Card by card as the game's deal steps go: a packet to each seat in turn,
  // table cards where the variant's deal breaks.
  for (int toHands = 1; toHands <= kSeats * rules.cardsPerHand; ++toHands) {
    p.hands[seat][p.handCount[seat]++] = deck[top++];
    if (toHands % rules.packetSize == 0) seat = (seat + 1) % kSeats;
    if (!Has(rules.tableBreaks, toHands)) continue;
    for (int k = 0; k < rules.tableCardsPerBreak; ++k) p.table[p.tableCount++] = deck[top++];
  }
  return p;
}

}  // namespace verlano::engine
