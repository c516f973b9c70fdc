// Which card the computer player is readiest to lay down, in each variant.

#include <gtest/gtest.h>

#include "ai/card_memory.h"
#include "ai/choose.h"
#include "ai/play_score.h"
#include "ai_fixture.h"

namespace verlano {
namespace {

using test::AiPosition;

double Keep(AiPosition& pos, std::string_view code) {
  Game& game = pos.game();
  const Piles& piles = game.piles;
  const std::span<const int> hand(piles.HandCards[AiPosition::kSeat].data(),
                                  piles.HandCount[AiPosition::kSeat]);
  const int card = test::Card(game, code);
  HandAnalysis analysis;
  AnalyseHandCard(game, analysis, card, {}, hand);
  return KeepValue(game, analysis, card);
}

struct VariantCase {
  const char* name;
  Variant variant;
  bool extraCoinPoints;
  bool kingScores;        // King of Coins scores a point
  bool coinsScoreSingly;  // each coin weighs 5 more
};

class KeepValueByVariant : public ::testing::TestWithParam<VariantCase> {
 protected:
  KeepValueByVariant() : pos_(GetParam().variant, GetParam().extraCoinPoints) {}
  AiPosition pos_;
};

TEST_P(KeepValueByVariant, CoinsAreKeptMoreThanPlainCards) {
  pos_.Hand({"2D", "2C"});
  const double coinPenalty = 1 + (GetParam().coinsScoreSingly ? 5 : 0);
  EXPECT_DOUBLE_EQ(Keep(pos_, "2C") - Keep(pos_, "2D"), coinPenalty);
}

TEST_P(KeepValueByVariant, KingsAreKeptWhileTheScoringKingOfCoinsIsUnseen) {
  pos_.Hand({"KC"});
  const double unseen = Keep(pos_, "KC");
  pos_.Out({"KD"});
  EXPECT_DOUBLE_EQ(Keep(pos_, "KC") - unseen, GetParam().kingScores ? 5 : 0);
}

TEST_P(KeepValueByVariant, KingOfCoinsIsKeptWhereItScores) {
  pos_.Hand({"KD", "KC"});
  const double coinPenalty = 1 + (GetParam().coinsScoreSingly ? 5 : 0);
  EXPECT_DOUBLE_EQ(Keep(pos_, "KC") - Keep(pos_, "KD"),
                   coinPenalty + (GetParam().kingScores ? 10 : 0));
}

TEST_P(KeepValueByVariant, SevenOfCoinsIsKeptAboveAnySeven) {
  pos_.Hand({"7D", "7C"});
  const double coinPenalty = 1 + (GetParam().coinsScoreSingly ? 5 : 0);
  EXPECT_DOUBLE_EQ(Keep(pos_, "7C") - Keep(pos_, "7D"), coinPenalty + 11);
}

TEST_P(KeepValueByVariant, LaysTheKingWhereTheKingOfCoinsDoesNotScore) {
  pos_.Hand({"KC", "6C"}).Table({});
  EXPECT_EQ(ChooseComputerCard(pos_.game(), AiPosition::kSeat).HandPosition,
            GetParam().kingScores ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, KeepValueByVariant,
    ::testing::Values(VariantCase{"Nine", Variant::Nine, false, false, false},
                      VariantCase{"Romane", Variant::Romane, false, false, true},
                      VariantCase{"RomaneExtra", Variant::Romane, true, true, true},
                      VariantCase{"Napoletane", Variant::Napoletane, false, false, false},
                      VariantCase{"Umbria", Variant::UmbriaMarche, false, true, true}),
    [](const ::testing::TestParamInfo<VariantCase>& param) { return param.param.name; });

TEST(KeepValue, SevensAreKeptWhileTheSevenOfCoinsIsUnseen) {
  AiPosition pos;
  pos.Hand({"7C"});
  const double unseen = Keep(pos, "7C");
  pos.Table({"7D"});
  EXPECT_DOUBLE_EQ(Keep(pos, "7C") - unseen, 5);
}

TEST(KeepValue, SeenCardsOfTheValueMakeACardCheaper) {
  AiPosition pos;
  pos.Hand({"4C", "4H"});
  const double fewSeen = Keep(pos, "4C");
  pos.Played(4, 2);
  EXPECT_DOUBLE_EQ(Keep(pos, "4C") - fewSeen, 2);
}

TEST(KeepValue, HigherPrimieraIsKept) {
  AiPosition pos;
  pos.Hand({"6C", "5C"});
  EXPECT_GT(Keep(pos, "5C"), Keep(pos, "6C"));
}

TEST(KnownValueCount, SeenCardsPlusTheHandsCardsOfThatValue) {
  AiPosition pos;
  pos.Hand({"4C", "4H", "5C"}).Played(4, 1);
  const std::span<const int> hand(pos.game().piles.HandCards[AiPosition::kSeat].data(), 3);
  EXPECT_EQ(KnownValueCount(pos.game(), test::Card(pos.game(), "4C"), hand), 3);
  EXPECT_EQ(KnownValueCount(pos.game(), test::Card(pos.game(), "5C"), hand), 1);
}

TEST(CardIsOut, LooksInBothPilesAndOnTheTable) {
  AiPosition pos;
  Game& game = pos.game();
  EXPECT_FALSE(CardIsOut(game, kSettebello));
  pos.Table({"7D"});
  EXPECT_TRUE(CardIsOut(game, kSettebello));
  pos.Table({});
  SidePiles& theirs = game.piles.Their;
  theirs.Pile[theirs.PileCount++].Card = kKingOfCoins;
  EXPECT_TRUE(CardIsOut(game, kKingOfCoins));
  theirs.PileCount = 0;  // an entry past the count is not in the pile
  EXPECT_FALSE(CardIsOut(game, kKingOfCoins));
}

}  // namespace
}  // namespace verlano
