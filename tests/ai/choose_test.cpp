#include "ai/choose.h"

#include <gtest/gtest.h>

#include "ai/play_score.h"
#include "ai_fixture.h"

namespace verlano {
namespace {

using test::AiPosition;

// The design's worked example: seven of S and king of C over 7D, 3H, 4S.
void SetUpWorkedExample(AiPosition& pos) {
  pos.Hand({"7S", "KC"}).Table({"7D", "3H", "4S"}).Played(3, 1).Played(4, 1).Played(7, 1);
}

float OnlyOptionFinalScore(Game& game, std::string_view code) {
  HandAnalysis analysis;
  const Piles& piles = game.piles;
  const std::span<const CardSprite> table(piles.TablePile.data(), piles.TableCount);
  const std::span<const int> hand(piles.HandCards[AiPosition::kSeat].data(),
                                  piles.HandCount[AiPosition::kSeat]);
  const int card = test::Card(game, code);
  AnalyseHandCard(game, analysis, card, table, hand);
  EXPECT_EQ(analysis.Options.size(), 1u);
  CaptureOption& option = analysis.Options.front();
  option.Score = BaseScore(game, table, option);
  return FinalScore(option, KeepValue(game, analysis, card));
}

// The seat lays down the card at `position`; its safety is `safe`.
void ExpectLayDown(Game& game, int position, bool safe) {
  const ComputerPlay play = ChooseComputerCard(game, AiPosition::kSeat);
  EXPECT_EQ(play.HandPosition, position);
  EXPECT_EQ(play.Capture.Count, 0);
  EXPECT_EQ(play.Capture.Safe, safe);
}

TEST(WorkedExample, SevenTakesOnlyTheSevenOfCoins) {
  AiPosition pos;
  SetUpWorkedExample(pos);
  EXPECT_FLOAT_EQ(OnlyOptionFinalScore(pos.game(), "7S"), 233.5f);
}

TEST(WorkedExample, KingTakesSevenOfCoinsAndThree) {
  AiPosition pos;
  SetUpWorkedExample(pos);
  Game& game = pos.game();
  EXPECT_FLOAT_EQ(OnlyOptionFinalScore(game, "KC"), 254.8f);
  const ComputerPlay play = ChooseComputerCard(game, AiPosition::kSeat);
  EXPECT_EQ(play.HandPosition, 1);
  const CaptureChoice& choice = play.Capture;
  ASSERT_EQ(choice.Count, 2);
  EXPECT_EQ(choice.Positions[0], 0);
  EXPECT_EQ(choice.Positions[1], 1);
  EXPECT_EQ(choice.Premium, 1);
  EXPECT_EQ(choice.PrimieraSum, 48);
  EXPECT_FALSE(choice.Safe);
  EXPECT_FLOAT_EQ(choice.Score, 254.8f);
}

TEST(ChooseComputerCard, DecidesWithoutTouchingTheGame) {
  AiPosition pos;
  SetUpWorkedExample(pos);
  Game& game = pos.game();
  game.capture.Choice.Positions.fill(9);
  game.capture.Choice.Safe = true;
  const ComputerPlay play = ChooseComputerCard(game, AiPosition::kSeat);
  EXPECT_FALSE(play.Capture.Safe);
  for (std::size_t k = 2; k < play.Capture.Positions.size(); ++k) {
    EXPECT_EQ(play.Capture.Positions[k], 0);
  }
  EXPECT_EQ(game.capture.Choice.Positions[0], 9) << "the game's own record is the caller's";
  EXPECT_TRUE(game.capture.Choice.Safe);
}

TEST(ChooseComputerCard, EmptyHandChoosesNothing) {
  AiPosition pos;
  pos.Hand({}).Table({"3C"});
  const ComputerPlay play = ChooseComputerCard(pos.game(), AiPosition::kSeat);
  EXPECT_EQ(play.HandPosition, -1);
  EXPECT_EQ(play.Capture.Count, 0);
}

TEST(EmptyTable, LaysTheCardWithTheHighestKeepValue) {
  AiPosition pos;
  // A six is worth more at primiera than a two of another suit.
  pos.Hand({"6C", "2H"}).Table({});
  ExpectLayDown(pos.game(), 1, false);
}

TEST(EmptyTable, EqualKeepValuesTieToTheFirstHandPosition) {
  AiPosition pos;
  pos.Hand({"5C", "5H", "5S"}).Table({});
  EXPECT_EQ(ChooseComputerCard(pos.game(), AiPosition::kSeat).HandPosition, 0);
}

TEST(EmptyTable, NoLayDownIsSafeEvenWithThreeOfTheValueSeen) {
  AiPosition pos;
  pos.Hand({"5C"}).Table({}).Played(5, 3);
  EXPECT_FALSE(ChooseComputerCard(pos.game(), AiPosition::kSeat).Capture.Safe);
}

TEST(TieBreak, TwoSevensOnTheTableTieToTheFirstPosition) {
  AiPosition pos;
  pos.Hand({"7S"}).Table({"2C", "7C", "7H"});
  Game& game = pos.game();
  const ComputerPlay play = ChooseComputerCard(game, AiPosition::kSeat);
  EXPECT_EQ(play.HandPosition, 0);
  ASSERT_EQ(play.Capture.Count, 1);
  EXPECT_EQ(play.Capture.Positions[0], 1);
}

TEST(TieBreak, TheSevenOfCoinsBeatsAnEarlierPlainSeven) {
  AiPosition pos;
  pos.Hand({"7S"}).Table({"2C", "7C", "7D"});
  Game& game = pos.game();
  const CaptureChoice choice = ChooseComputerCard(game, AiPosition::kSeat).Capture;
  ASSERT_EQ(choice.Count, 1);
  EXPECT_EQ(choice.Positions[0], 2);
  EXPECT_EQ(choice.Premium, 1);
}

TEST(TieBreak, EqualCapturesTieToTheFirstHandPosition) {
  AiPosition pos;
  pos.Hand({"3C", "3H"}).Table({"3S", "KC"});
  Game& game = pos.game();
  const ComputerPlay play = ChooseComputerCard(game, AiPosition::kSeat);
  EXPECT_EQ(play.HandPosition, 0);
  EXPECT_EQ(play.Capture.Positions[0], 0);
}

TEST(TieBreak, MoreCardsTakenBeatsFewer) {
  AiPosition pos;
  // The queen takes three cards, the king two: no premium, no coin, neither safe.
  pos.Hand({"KC", "QC"}).Table({"AC", "2H", "6S", "4S"});
  Game& game = pos.game();
  const ComputerPlay play = ChooseComputerCard(game, AiPosition::kSeat);
  EXPECT_EQ(play.HandPosition, 1);
  EXPECT_EQ(play.Capture.Count, 3);
}

TEST(Safety, SafeLayDownBeatsAnUnsafeCapture) {
  AiPosition pos;
  // Taking the two leaves the six alone for the next player to sweep; laying
  // the queen leaves 2 + 6 + 9 = 17, more than any card takes.
  pos.Hand({"2S", "QS"}).Table({"2C", "6C"});
  ExpectLayDown(pos.game(), 1, true);
}

TEST(Safety, SweepIsSafeAndEarnsAPremium) {
  AiPosition pos;
  pos.Hand({"7S"}).Table({"3C", "4H"});
  Game& game = pos.game();
  const CaptureChoice choice = ChooseComputerCard(game, AiPosition::kSeat).Capture;
  EXPECT_EQ(choice.Count, 2);
  EXPECT_EQ(choice.Premium, 1);
  EXPECT_TRUE(choice.Safe);
}

}  // namespace
}  // namespace verlano
