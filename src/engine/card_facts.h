#pragma once
// The card model in the engine's compact form: capture value, primiera value
// and suit per card index, as small arrays read in the inner loops, plus the
// sets the scoring and the sampling need. Built once from the rules' own
// card tables, so the two can never disagree.

#include <array>
#include <cstdint>

#include "engine/card_set.h"
#include "rules/cards.h"

namespace verlano::engine {

struct CardFacts {
  std::array<std::int8_t, kCardIndexCount> value{};
  std::array<std::int8_t, kCardIndexCount> primiera{};
  std::array<std::int8_t, kCardIndexCount> suit{};
  std::array<double, kCardIndexCount> primieraTwentyFirsts{};  // the classic player's keep term
  std::array<CardSet, 11> ofValue{};                           // cards of each capture value 1..10
  CardSet inPlay = 0;                                          // the 40 cards of the pack
  CardSet coins = 0;
};

// The one shared instance (built on first use, then only read).
const CardFacts& Facts();

}  // namespace verlano::engine
