// What a card may capture, the one list the game's rules and players read:
// an equal card rules out every sum, an ace takes only an ace, sums of four,
// three then two cards in table order, none of more than four cards, no card
// counted twice, and every one of the thousand a king may have kept.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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

// Sums of five cards are no capture: the human may not be made to find one.
TEST(Captures, NoSumOfMoreThanFourCards) {
  EXPECT_EQ(CapturesOf("KC", {"AC", "AD", "2H", "3S", "3C"}), kLayDown);
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

}  // namespace
}  // namespace verlano::engine
