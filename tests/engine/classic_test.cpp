// The classic player on engine positions: the worked example, what a capture
// earns (the seven of coins, a sweep, coins, primiera), its tie-breaks, the
// safety of what a play leaves as far as its memory tells, and the best play
// found among a thousand.

#include <gtest/gtest.h>

#include <algorithm>

#include "position_builder.h"

namespace verlano::engine {
namespace {

using test::Spot;
using test::Taken;

// The seat lays down the card at `handIndex`; its safety is `safe`.
void ExpectLayDown(const Spot& spot, int handIndex, bool safe) {
  const ScoredMove choice = spot.Choice();
  EXPECT_EQ(choice.move.handIndex, handIndex);
  EXPECT_EQ(choice.move.count, 0);
  EXPECT_EQ(choice.safe, safe);
}

// The plays of the hand card at `handIndex`, in the player's order.
std::vector<ScoredMove> PlaysOf(const Spot& spot, int handIndex) {
  std::vector<ScoredMove> plays;
  for (const ScoredMove& play : spot.Scores()) {
    if (play.move.handIndex == handIndex) plays.push_back(play);
  }
  return plays;
}

// The design's worked example: seven of S and king of C over 7D, 3H, 4S.
Spot WorkedExample() {
  Spot spot;
  spot.Hand({"7S", "KC"}).Table({"7D", "3H", "4S"}).Played(3, 1).Played(4, 1).Played(7, 1);
  return spot;
}

TEST(WorkedExample, SevenTakesOnlyTheSevenOfCoins) {
  const std::vector<ScoredMove> plays = PlaysOf(WorkedExample(), 0);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(Taken(plays[0].move), std::vector<int>{0});
  EXPECT_FLOAT_EQ(plays[0].score, 233.5f);
}

TEST(WorkedExample, KingTakesSevenOfCoinsAndThree) {
  const Spot spot = WorkedExample();
  const std::vector<ScoredMove> plays = PlaysOf(spot, 1);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_FLOAT_EQ(plays[0].score, 254.8f);
  const ScoredMove choice = spot.Choice();
  EXPECT_EQ(choice.move.handIndex, 1);
  EXPECT_EQ(Taken(choice.move), (std::vector<int>{0, 1}));
  EXPECT_EQ(choice.premium, 1);
  EXPECT_EQ(choice.primieraSum, 48);
  EXPECT_FALSE(choice.safe);
  EXPECT_FLOAT_EQ(choice.score, 254.8f);
}

TEST(Premium, TheSevenOfCoinsEarnsOneAndAnEqualCardRulesOutTheSums) {
  for (std::string_view seven : {"7C", "7D"}) {
    Spot spot;
    spot.Hand({"7S"}).Table({"3H", "4S", seven});
    const std::vector<ScoredMove> plays = PlaysOf(spot, 0);
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(Taken(plays[0].move), std::vector<int>{2});
    EXPECT_EQ(plays[0].premium, seven == "7D" ? 1 : 0);
  }
}

TEST(Premium, ASweepAddsOneOnTopOfTheSevenOfCoins) {
  Spot spot;
  spot.Hand({"KS"}).Table({"7D", "3H"});
  const std::vector<ScoredMove> plays = PlaysOf(spot, 0);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].premium, 2);
}

TEST(Premium, ALayDownHasNoPremiumNorPrimiera) {
  Spot spot;
  // Ace + 2 + 3 and a jack: no sum counts one card twice.
  spot.Hand({"7S"}).Table({"AC", "2C", "3C", "JC"});
  const std::vector<ScoredMove> plays = PlaysOf(spot, 0);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].move.count, 0);
  EXPECT_EQ(plays[0].premium, 0);
  EXPECT_EQ(plays[0].primieraSum, 0);
}

// Each coin taken is worth one point of the base score (ten of the final);
// the table's last card joins every capture's primiera.
TEST(CaptureScore, CoinsTakenAndPrimieraWithTheTablesLastCard) {
  Spot coins;
  coins.Hand({"KS"}).Table({"AD", "2D", "3C", "4D", "QH"});
  Spot plain;
  plain.Hand({"KS"}).Table({"AC", "2H", "3C", "4S", "QH"});
  const ScoredMove withCoins = PlaysOf(coins, 0).front();
  const ScoredMove without = PlaysOf(plain, 0).front();
  ASSERT_EQ(Taken(withCoins.move), (std::vector<int>{0, 1, 2, 3}));
  ASSERT_EQ(Taken(without.move), Taken(withCoins.move));
  EXPECT_EQ(withCoins.primieraSum, 16 + 12 + 13 + 14 + 10);
  EXPECT_NEAR(withCoins.score - without.score, 3 * 10.0, 1e-3);
}

TEST(EmptyTable, LaysTheCardWithTheHighestKeepValue) {
  Spot spot;
  // A six is worth more at primiera than a two of another suit.
  spot.Hand({"6C", "2H"}).Table({});
  ExpectLayDown(spot, 1, false);
}

TEST(EmptyTable, EqualKeepValuesTieToTheFirstHandPosition) {
  Spot spot;
  spot.Hand({"5C", "5H", "5S"}).Table({});
  EXPECT_EQ(spot.Choice().move.handIndex, 0);
}

TEST(EmptyTable, NoLayDownIsSafeEvenWithThreeOfTheValueSeen) {
  Spot spot;
  spot.Hand({"5C"}).Table({}).Played(5, 3);
  EXPECT_FALSE(spot.Choice().safe);
  spot.Played(5, 4);
  EXPECT_TRUE(spot.Choice().safe) << "all four fives seen: nothing takes the five alone";
}

TEST(TieBreak, TwoSevensOnTheTableTieToTheFirstPosition) {
  Spot spot;
  spot.Hand({"7S"}).Table({"2C", "7C", "7H"});
  const ScoredMove choice = spot.Choice();
  EXPECT_EQ(choice.move.handIndex, 0);
  EXPECT_EQ(Taken(choice.move), std::vector<int>{1});
}

TEST(TieBreak, TheSevenOfCoinsBeatsAnEarlierPlainSeven) {
  Spot spot;
  spot.Hand({"7S"}).Table({"2C", "7C", "7D"});
  const ScoredMove choice = spot.Choice();
  EXPECT_EQ(Taken(choice.move), std::vector<int>{2});
  EXPECT_EQ(choice.premium, 1);
}

TEST(TieBreak, EqualCapturesTieToTheFirstHandPosition) {
  Spot spot;
  spot.Hand({"3C", "3H"}).Table({"3S", "KC"});
  const ScoredMove choice = spot.Choice();
  EXPECT_EQ(choice.move.handIndex, 0);
  EXPECT_EQ(Taken(choice.move), std::vector<int>{0});
}

TEST(TieBreak, MoreCardsTakenBeatsFewer) {
  Spot spot;
  // The queen takes three cards, the king two: no premium, no coin, neither safe.
  spot.Hand({"KC", "QC"}).Table({"AC", "2H", "6S", "4S"});
  const ScoredMove choice = spot.Choice();
  EXPECT_EQ(choice.move.handIndex, 1);
  EXPECT_EQ(choice.move.count, 3);
}

TEST(Safety, SafeLayDownBeatsAnUnsafeCapture) {
  Spot spot;
  // Taking the two leaves the six alone for the next player to sweep; laying
  // the queen leaves 2 + 6 + 9 = 17, more than any card takes.
  spot.Hand({"2S", "QS"}).Table({"2C", "6C"});
  ExpectLayDown(spot, 1, true);
}

TEST(Safety, SweepIsSafeAndEarnsAPremium) {
  Spot spot;
  spot.Hand({"7S"}).Table({"3C", "4H"});
  const ScoredMove choice = spot.Choice();
  EXPECT_EQ(choice.move.count, 2);
  EXPECT_EQ(choice.premium, 1);
  EXPECT_TRUE(choice.safe);
}

// A capture leaves the cards it did not take; the card that took goes with them.
TEST(Safety, ACaptureIsJudgedByTheCardsItLeaves) {
  Spot spot;
  spot.Hand({"5S"}).Table({"2C", "3C", "4H"}).Played(9, 4);
  EXPECT_FALSE(spot.Choice().safe) << "the four is left, not four and five";
  spot.Played(4, 4);
  EXPECT_TRUE(spot.Choice().safe);
}

// A lay-down leaves the table with the card laid on it.
TEST(Safety, ALayDownIsJudgedWithTheCardLaid) {
  Spot spot;
  spot.Hand({"5S"}).Table({"AC"}).Played(5, 4);
  EXPECT_FALSE(spot.Choice().safe) << "the ace and the five make six";
  spot.Played(6, 4);
  EXPECT_TRUE(spot.Choice().safe);
}

TEST(Safety, LeavingMoreThanTenIsSafe) {
  Spot spot;
  spot.Hand({"5H"}).Table({"6C"});
  EXPECT_EQ(spot.Choice().move.count, 0);
  EXPECT_TRUE(spot.Choice().safe);
  spot.Hand({"4H"});
  EXPECT_FALSE(spot.Choice().safe) << "six and four make ten";
}

TEST(Safety, LeavingTenOrLessIsUnsafeUntilThatValueIsSeenOut) {
  Spot spot;
  spot.Hand({"4H"}).Table({"5C"});
  EXPECT_FALSE(spot.Choice().safe);
  spot.Played(9, 4);
  EXPECT_TRUE(spot.Choice().safe);
}

TEST(ManyOptions, BestOptionFoundPastTheTwentyFirst) {
  Spot spot;
  // Fifteen small plain cards, then the three plain aces and the seven of
  // coins: the one set taking four cards and the premium is near the end.
  spot.Hand({"KC"}).Table({"2C", "2H", "2S", "3C", "3H", "3S", "4C", "4H", "4S", "5C", "5H", "5S",
                           "6C", "6H", "6S", "AC", "AH", "AS", "7D"});
  const std::vector<ScoredMove> plays = spot.Scores();
  const std::vector<int> best = {15, 16, 17, 18};
  const auto at =
      std::ranges::find_if(plays, [&](const ScoredMove& m) { return Taken(m.move) == best; });
  ASSERT_NE(at, plays.end());
  EXPECT_GT(at - plays.begin(), 21);
  const ScoredMove choice = spot.Choice();
  EXPECT_EQ(choice.move.handIndex, 0);
  EXPECT_EQ(Taken(choice.move), best);
  EXPECT_EQ(choice.premium, 1);
  EXPECT_TRUE(choice.safe);
}

}  // namespace
}  // namespace verlano::engine
