// What a card may capture, the one list the game's rules and players read:
// an equal card rules out every sum, an ace takes only an ace, sums of four,
// three then two cards in table order, none of more than four cards, and
// no card counted twice.

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace verlano::engine
