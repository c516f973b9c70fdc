// What a card may capture, the one list the game's rules and players read:
// an equal card rules out every sum, an ace takes only an ace, sums of four,
// three then two cards in table order, none of more than four cards but the
// human's where the card must take, no card counted twice, every one of the
// thousand a king may have kept, and no table the rules lay out offers a
// capture of more cards than the most one takes.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "position_builder.h"

namespace verlano::engine {
namespace {

using test::CapturesOf;
using test::Sets;

const Sets kLayDown = {{}};

TEST(Captures, AnEqualCardRulesOutEverySum) {
  EXPECT_EQ(CapturesOf("7S", {"7C", "3D", "4H"}), (Sets{{0}}));
  // The two and the three would add up to five as well.
  EXPECT_EQ(CapturesOf("5S", {"JC", "2D", "3H", "5C"}), (Sets{{3}}));
  EXPECT_EQ(CapturesOf("5S", {"JC", "5D"}), (Sets{{1}}));
  // The king over four cards adding up to ten takes the king instead.
  EXPECT_EQ(CapturesOf("KC", {"AC", "2D", "3H", "4S", "6C", "KD"}), (Sets{{5}}));
  // Each equal card is a capture of its own, in table order.
  EXPECT_EQ(CapturesOf("7S", {"2C", "7C", "7H"}), (Sets{{1}, {2}}));
}

TEST(Captures, AnAceTakesOnlyAnAce) {
  EXPECT_EQ(CapturesOf("AS", {"5C", "AD"}), (Sets{{1}}));
  EXPECT_EQ(CapturesOf("AS", {"2C", "AH"}), (Sets{{1}}));
  EXPECT_EQ(CapturesOf("AS", {"2C", "3D", "QH"}), kLayDown);
}

TEST(Captures, SumsOfFourThenThreeThenTwoInTableOrder) {
  EXPECT_EQ(CapturesOf("KC", {"AC", "2D", "3H", "4S"}), (Sets{{0, 1, 2, 3}}));
  EXPECT_EQ(CapturesOf("KS", {"AC", "2C", "3C", "4C", "6C"}),
            (Sets{{0, 1, 2, 3}, {0, 2, 4}, {3, 4}}));
  EXPECT_EQ(CapturesOf("6S", {"AC", "2D", "3H"}), (Sets{{0, 1, 2}}));
  EXPECT_EQ(CapturesOf("5S", {"JC", "2D", "3H"}), (Sets{{1, 2}}));
}

// Sums of five cards are no capture of the computer's, nor a reason to take:
// the human may not be made to find one. Where the card must take, the human
// may choose one, and the lawful list holds it after the others.
TEST(Captures, NoSumOfMoreThanFourCardsButTheHumansChoice) {
  EXPECT_EQ(CapturesOf("KC", {"AC", "AD", "2H", "3S", "3C"}), kLayDown);
  EXPECT_EQ(CapturesOf("KC", {"AC", "AD", "2H", "3S", "3C"}, CaptureReach::Lawful), kLayDown);
  const test::Codes table = {"AC", "AD", "AH", "AS", "6C", "7C"};
  const Sets threeAcesAndTheSeven = {{0, 1, 2, 5}, {0, 1, 3, 5}, {0, 2, 3, 5}, {1, 2, 3, 5}};
  EXPECT_EQ(CapturesOf("KS", table), threeAcesAndTheSeven);
  Sets lawful = threeAcesAndTheSeven;
  lawful.push_back({0, 1, 2, 3, 4});
  EXPECT_EQ(CapturesOf("KS", table, CaptureReach::Lawful), lawful);
  // An equal card still rules out every sum, however large.
  EXPECT_EQ(CapturesOf("KS", {"AC", "AD", "AH", "AS", "6C", "KC"}, CaptureReach::Lawful),
            (Sets{{5}}));
}

TEST(Captures, NoCardCountsTwice) {
  // Ace + ace + 2 + 3 would count the one ace twice.
  EXPECT_EQ(CapturesOf("7C", {"AC", "2D", "3H", "JS"}), kLayDown);
  EXPECT_EQ(CapturesOf("2S", {"AC"}), kLayDown);
  // Nor is the played card a part of its own capture.
  EXPECT_EQ(CapturesOf("6D", {"3C"}), kLayDown);
  EXPECT_EQ(CapturesOf("5D", {}), kLayDown);
}

// Every set of `size` positions adding up to `target`, by stepping a selection
// mask through all its orderings: independent of the search under test.
Sets SetsByMask(const std::vector<int>& values, int size, int target) {
  Sets sets;
  std::vector<bool> chosen(values.size(), false);
  std::fill(chosen.begin(), chosen.begin() + size, true);
  do {
    std::vector<int> set;
    int sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (chosen[i]) {
        set.push_back(static_cast<int>(i));
        sum += values[i];
      }
    }
    if (sum == target) sets.push_back(set);
  } while (std::prev_permutation(chosen.begin(), chosen.end()));
  return sets;
}

TEST(Captures, AFullTableKeepsEveryCaptureInSearchOrder) {
  // All four cards of every value below the king: the game's whole table pile.
  std::vector<std::string> codes;
  for (const char* rank : {"A", "2", "3", "4", "5", "6", "7", "J", "Q"}) {
    for (const char* suit : {"C", "D", "H", "S"}) codes.push_back(std::string(rank) + suit);
  }
  const test::Codes table(codes.begin(), codes.end());
  std::vector<int> values;
  for (std::string_view code : table) values.push_back(Facts().value[test::Card(code)]);
  Sets expected;
  for (int size = 4; size >= 2; --size) {
    const Sets sets = SetsByMask(values, size, 10);
    expected.insert(expected.end(), sets.begin(), sets.end());
  }
  EXPECT_GT(expected.size(), 1000u);
  EXPECT_EQ(CapturesOf("KC", table), expected);
}

// A table as how many cards of each value (1 to 10) lie on it.
using ValueCounts = std::array<std::int8_t, kHighestValue + 1>;

int Key(const ValueCounts& counts) {
  int key = 0;
  for (int v = kHighestValue; v >= 1; --v) key = key * 5 + counts[v];
  return key;
}

// The `n`-th card (from 0) of value `v`.
std::int8_t CardOf(int v, int n) {
  CardSet cards = Facts().ofValue[v];
  for (int k = 0; k < n; ++k) cards &= cards - 1;
  return static_cast<std::int8_t>(Lowest(cards));
}

std::vector<std::int8_t> TableOf(const ValueCounts& counts) {
  std::vector<std::int8_t> table;
  for (int v = 1; v <= kHighestValue; ++v) {
    for (int n = 0; n < counts[v]; ++n) table.push_back(CardOf(v, n));
  }
  return table;
}

// The most cards any capture takes on a table the rules can lay out from
// `dealt` table cards: a card is laid only where it takes nothing, and any
// cards may go (more than the plays could take), so this is at least the
// true most.
int MostTakenFrom(int dealt) {
  std::vector<bool> seen(9765625);  // 5 to the 10th: every ValueCounts
  std::vector<ValueCounts> todo;
  const auto reach = [&](const ValueCounts& counts) {
    if (!seen[static_cast<std::size_t>(Key(counts))]) {
      seen[static_cast<std::size_t>(Key(counts))] = true;
      todo.push_back(counts);
    }
  };
  // Every deal of `dealt` values, as counts that add up to it.
  std::vector<ValueCounts> deals(1);
  for (int k = 0; k < dealt; ++k) {
    std::vector<ValueCounts> more;
    for (const ValueCounts& d : deals) {
      for (int v = 1; v <= kHighestValue; ++v) {
        ValueCounts next = d;
        if (next[v]++ < 4) more.push_back(next);
      }
    }
    deals = more;
  }
  for (const ValueCounts& d : deals) reach(d);
  int most = 0;
  while (!todo.empty()) {
    const ValueCounts counts = todo.back();
    todo.pop_back();
    const std::vector<std::int8_t> table = TableOf(counts);
    const int n = static_cast<int>(table.size());
    for (int v = 1; v <= kHighestValue; ++v) {
      if (counts[v] == 4) continue;
      bool laid = false;
      ForEachCaptureOf(
          CardOf(v, counts[v]), 0, table.data(), n,
          [&](const Move& m) {
            laid = m.count == 0;
            most = std::max(most, static_cast<int>(m.count));
          },
          CaptureReach::Lawful);
      if (laid) {
        ValueCounts more = counts;
        ++more[v];
        reach(more);
      }
      if (counts[v] > 0) {
        ValueCounts fewer = counts;
        --fewer[v];
        reach(fewer);
      }
    }
  }
  return most;
}

// Four table cards dealt make room for five taken, never six; none dealt,
// four at most. The variants deal no more than four.
TEST(Captures, NoTableTheRulesLayOutOffersMoreThanTheMostACaptureTakes) {
  EXPECT_EQ(MostTakenFrom(0), 4);
  int most = 0;
  for (const VariantRules& rules : AllVariantRules()) {
    most = std::max(most, MostTakenFrom(rules.TableCardsAtDeal));
  }
  EXPECT_EQ(most, kMaxTaken);
}

}  // namespace
}  // namespace verlano::engine
