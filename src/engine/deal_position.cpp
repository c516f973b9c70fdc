#include "engine/deal_position.h"

#include "engine/card_facts.h"

namespace verlano::engine {

namespace {

constexpr int kPackCards = 40;
constexpr int kTableDealPause = 12;  // hand cards dealt before each pair of table cards
constexpr int kTableDealCards = 2;

std::array<std::int8_t, kPackCards> Shuffle(Random& rng) {
  const CardFacts& facts = Facts();
  std::array<std::int8_t, kPackCards> deck{};
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
  const auto deck = Shuffle(rng);
  Position p;
  p.rules = rules;
  p.toPlay = static_cast<std::int8_t>(leader);
  int top = 0;
  int toHands = 0;
  int seatTurn = 0;
  while (toHands < kSeats * rules.cardsPerHand) {
    const int seat = (leader + seatTurn) % kSeats;
    for (int k = 0; k < rules.packetSize; ++k) p.hands[seat][p.handCount[seat]++] = deck[top++];
    toHands += rules.packetSize;
    seatTurn = (seatTurn + 1) % kSeats;
    const bool pause = toHands % kTableDealPause == 0 && toHands < kSeats * rules.cardsPerHand;
    if (rules.tableDeal && pause) {
      for (int k = 0; k < kTableDealCards; ++k) p.table[p.tableCount++] = deck[top++];
    }
  }
  return p;
}

}  // namespace verlano::engine
