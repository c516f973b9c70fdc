#include "engine/card_facts.h"

namespace verlano::engine {

namespace {

CardFacts Build() {
  CardTables tables;
  BuildCardNames(tables);
  CardFacts facts;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (!InPlay(tables, card)) continue;
    const int value = tables.CardValue[card];
    facts.value[card] = static_cast<std::int8_t>(value);
    facts.primiera[card] = static_cast<std::int8_t>(tables.CardPrimiera[card]);
    facts.primieraTwentyFirsts[card] = tables.CardPrimiera[card] / 21.0;
    facts.suit[card] = static_cast<std::int8_t>(tables.CardSuit[card]);
    facts.ofValue[value] |= Bit(card);
    facts.inPlay |= Bit(card);
    if (tables.CardSuit[card] == kCoinSuit) facts.coins |= Bit(card);
  }
  return facts;
}

}  // namespace

const CardFacts& Facts() {
  static const CardFacts facts = Build();
  return facts;
}

}  // namespace verlano::engine
