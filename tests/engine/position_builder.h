#pragma once
// Engine positions written with card codes ("7D", "KS") for the engine's own
// tests, so that each states its position in the game's words: the cards of
// a code, what a card may capture on a table, and positions for the classic
// player with its memory of the hand set on its own.

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "engine/captures.h"
#include "engine/classic_policy.h"
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

// The table positions a play takes.
inline std::vector<int> Taken(const Move& move) {
  return {move.positions.begin(), move.positions.begin() + move.count};
}

// The table positions of each capture `card` may make on `table`, in the
// engine's order; a lay-down is an empty set.
inline Sets CapturesOf(std::string_view card, const Codes& table,
                       CaptureReach reach = CaptureReach::Searched) {
  std::vector<std::int8_t> cards;
  for (std::string_view code : table) cards.push_back(static_cast<std::int8_t>(Card(code)));
  Sets sets;
  ForEachCaptureOf(
      Card(card), 0, cards.data(), static_cast<int>(cards.size()),
      [&sets](const Move& move) { sets.push_back(Taken(move)); }, reach);
  return sets;
}

// A position of one variant with seat 1 to play (any seat decides alike):
// its hand, the table, the cards taken earlier, and how many cards of a value
// the player remembers reaching the table, each set on its own.
class Spot {
 public:
  static constexpr int kSeat = 1;

  explicit Spot(const VariantRules& rules = RulesFor(Variant::Nine, false)) {
    position_.rules = RulesOf(rules);
    position_.toPlay = kSeat;
  }

  Spot& Hand(const Codes& codes) {
    position_.handCount[kSeat] = 0;
    for (std::string_view code : codes) {
      position_.hands[kSeat][position_.handCount[kSeat]++] = static_cast<std::int8_t>(Card(code));
    }
    return *this;
  }

  Spot& Table(const Codes& codes) {
    position_.tableCount = 0;
    for (std::string_view code : codes) {
      position_.table[position_.tableCount++] = static_cast<std::int8_t>(Card(code));
    }
    return *this;
  }

  // Cards in a side's pile; a sweeping card lies on a sweep mark instead.
  Spot& Out(const Codes& codes, bool swept = false) {
    for (std::string_view code : codes) {
      position_.taken[0] |= Bit(Card(code));
      if (swept) position_.sweepCards |= Bit(Card(code));
    }
    return *this;
  }

  Spot& Played(int value, int count) {
    played_[value] = count;
    return *this;
  }

  const Position& position() const { return position_; }

  // What the player sees of the seven and the king, with the counts set here.
  ClassicMemory Memory() const {
    ClassicMemory memory = MemoryOf(position_);
    memory.played = played_;
    return memory;
  }

  ScoredMove Choice() const { return ClassicMove(position_, Memory()); }

  // Every play with its score, in the player's order.
  std::vector<ScoredMove> Scores() const {
    std::vector<ScoredMove> scores;
    ClassicScores(position_, Memory(), scores);
    return scores;
  }

  // The keep value of the hand card with this code.
  double Keep(std::string_view code) const {
    for (int i = 0; i < position_.handCount[kSeat]; ++i) {
      if (position_.hands[kSeat][i] == Card(code)) return KeepValue(position_, Memory(), i);
    }
    ADD_FAILURE() << code << " is not in the hand";
    return 0;
  }

 private:
  Position position_;
  std::array<int, kHighestValue + 1> played_{};
};

}  // namespace verlano::engine::test
