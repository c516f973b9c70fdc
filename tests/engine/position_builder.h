#pragma once
// Engine positions written with card codes ("7D", "KS") for the engine's own
// tests, so that each states its position in the game's words: the cards of
// a code, and what a card may capture on a table.

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "engine/captures.h"
#include "rules/cards.h"

namespace verlano::engine::test {

using Codes = std::vector<std::string_view>;
using Sets = std::vector<std::vector<int>>;

// The card index of a code; fails the test when it names no card in play.
inline int Card(std::string_view code) {
  static const CardTables tables = [] {
    CardTables built;
    BuildCardNames(built);
    return built;
  }();
  const int card = CardFromCode(tables, code);
  EXPECT_GE(card, 0) << code;
  return card;
}

// The table positions of each capture `card` may make on `table`, in the
// engine's order; a lay-down is an empty set.
inline Sets CapturesOf(std::string_view card, const Codes& table) {
  std::vector<std::int8_t> cards;
  for (std::string_view code : table) cards.push_back(static_cast<std::int8_t>(Card(code)));
  Sets sets;
  ForEachCaptureOf(Card(card), 0, cards.data(), static_cast<int>(cards.size()),
                   [&sets](const Move& move) {
                     sets.emplace_back(move.positions.begin(), move.positions.begin() + move.count);
                   });
  return sets;
}

}  // namespace verlano::engine::test
