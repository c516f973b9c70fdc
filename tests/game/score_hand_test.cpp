// The score of a hand as the game asks the engine for it: which items each
// variant counts, the primiera by the best card of each suit, no point on a
// tie, and sweeps that add up over the hand only while their flag is set.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/engine_view.h"
#include "rules/table_builder.h"

namespace verlano {
namespace {

using test::GiveCards;

class ScoringTest : public ::testing::Test {
 protected:
  void Start(const test::RuleSet& rules) { game = test::DealtGame(test::OptionsOf(rules)); }

  // Scores a hand in which the sides took these cards.
  void ScoreCards(test::Codes we, test::Codes they) {
    Give(game->piles.Our, we);
    Give(game->piles.Their, they);
    ScoreHand(*game);
  }

  void ExpectPrimiera(int weSum, int theySum, int wePoint, int theyPoint) const {
    EXPECT_EQ(game->score.We.PrimieraSum, weSum);
    EXPECT_EQ(game->score.They.PrimieraSum, theySum);
    EXPECT_EQ(game->score.We.PrimieraPoint, wePoint);
    EXPECT_EQ(game->score.They.PrimieraPoint, theyPoint);
  }

  void Give(SidePiles& side, test::Codes codes) { GiveCards(*game, side, codes); }

  const SideScore& Score(bool we) const { return we ? game->score.We : game->score.They; }

  std::unique_ptr<Game> game = test::DealtGame(Options{});
};

// Every card of coins and every seven to one side, the rest to the other:
// each item goes to one side, so the totals add up to all a hand can give
// besides sweeps.
class FullHandTest : public ScoringTest, public ::testing::WithParamInterface<test::RuleSetCase> {};

TEST_P(FullHandTest, TotalsAddUpToWhatTheVariantGives) {
  const test::RuleSetCase& c = GetParam();
  for (bool coinsToWe : {true, false}) {
    Start(c.rules);
    SidePiles& coinSide = coinsToWe ? game->piles.Our : game->piles.Their;
    SidePiles& restSide = coinsToWe ? game->piles.Their : game->piles.Our;
    for (int card : test::CardsInPlay(*game)) {
      const bool coin = game->cards.CardSuit[card] == kCoinSuit;
      const bool seven = game->cards.CardValue[card] == 7;
      SidePiles& side = coin || seven ? coinSide : restSide;
      side.Cards[side.CardCount++] = card;
    }
    ScoreHand(*game);
    const SideScore& taker = Score(coinsToWe);
    const SideScore& other = Score(!coinsToWe);
    EXPECT_EQ(taker.Total + other.Total, c.expected);
    EXPECT_EQ(other.Total, 1) << "most cards only";
    EXPECT_EQ(other.MostCards, 1);
    EXPECT_EQ(taker.Settebello, 1);
    EXPECT_EQ(taker.Coins, 10);
    EXPECT_EQ(taker.PrimieraSum, 84);
    EXPECT_EQ(taker.PrimieraPoint, 1);
    EXPECT_EQ(other.PrimieraSum, 0) << "no coins, so one suit is missing";
    EXPECT_EQ(taker.Sweeps + other.Sweeps, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(AllRuleSets, FullHandTest,
                         ::testing::ValuesIn(test::PerRuleSet({4, 13, 15, 4, 5})),
                         test::RuleSetName);

struct CoinItems {
  test::RuleSet rules;
  int weCoinPoints, theyCoinPoints;
  int weMostCoins;
  int weKing;
};

class CoinItemsTest : public ScoringTest, public ::testing::WithParamInterface<CoinItems> {};

// Six coins, the King of Coins among them, against four.
TEST_P(CoinItemsTest, CoinsAndKingOfCoinsByVariant) {
  const CoinItems& c = GetParam();
  Start(c.rules);
  Give(game->piles.Our, {"AD", "2D", "3D", "4D", "5D", "KD"});
  Give(game->piles.Their, {"6D", "7D", "JD", "QD"});
  ScoreHand(*game);
  const SideScore& we = game->score.We;
  const SideScore& they = game->score.They;
  EXPECT_EQ(we.Coins, 6);
  EXPECT_EQ(they.Coins, 4);
  EXPECT_EQ(we.CoinPoints, c.weCoinPoints);
  EXPECT_EQ(they.CoinPoints, c.theyCoinPoints);
  EXPECT_EQ(we.MostCoins, c.weMostCoins);
  EXPECT_EQ(they.MostCoins, 0);
  EXPECT_EQ(we.KingOfCoins, c.weKing);
  EXPECT_EQ(they.KingOfCoins, 0);
  EXPECT_EQ(they.Settebello, 1);
  EXPECT_EQ(we.Total, we.MostCards + we.MostCoins + we.CoinPoints + we.KingOfCoins);
}

INSTANTIATE_TEST_SUITE_P(AllRuleSets, CoinItemsTest,
                         ::testing::Values(CoinItems{test::kRuleSets[0], 0, 0, 1, 0},
                                           CoinItems{test::kRuleSets[1], 6, 4, 0, 0},
                                           CoinItems{test::kRuleSets[2], 6, 4, 1, 1},
                                           CoinItems{test::kRuleSets[3], 0, 0, 1, 0},
                                           CoinItems{test::kRuleSets[4], 0, 0, 1, 1}));

TEST_F(ScoringTest, SideMissingASuitHasNoPrimieraAndCannotWinIt) {
  ScoreCards({"2C", "2D", "2H", "2S"}, {"7C", "7H", "7S", "6C", "6H", "6S"});
  ExpectPrimiera(48, 0, 1, 0);
}

TEST_F(ScoringTest, NobodyWinsThePrimieraWhenNeitherHasEverySuit) {
  ScoreCards({"7C", "7D", "7H"}, {"7S", "6S"});
  ExpectPrimiera(0, 0, 0, 0);
}

// Only the best card of each suit counts, however many cards a suit has.
TEST_F(ScoringTest, PrimieraAddsTheBestCardOfEachSuit) {
  ScoreCards({"2C", "7C", "3C", "AD", "2D", "2H", "5S", "4S", "KS"}, {"6C", "6D", "6H", "6S"});
  ExpectPrimiera(21 + 16 + 12 + 15, 4 * 18, 0, 1);
}

TEST_F(ScoringTest, EqualPrimieraGivesNobodyThePoint) {
  ScoreCards({"KC", "QD", "JH", "KS"}, {"JC", "KD", "QH", "JS"});
  ExpectPrimiera(40, 40, 0, 0);
}

// Twenty cards and five coins each: no point for most cards or most coins.
TEST_F(ScoringTest, EvenSplitOfCardsAndCoinsGivesNeitherPoint) {
  for (const test::RuleSet& rules : test::kRuleSets) {
    Start(rules);
    std::vector<int> coins, others;
    for (int card : test::CardsInPlay(*game)) {
      (game->cards.CardSuit[card] == kCoinSuit ? coins : others).push_back(card);
    }
    test::GiveCards(game->piles.Our, {coins.begin(), coins.begin() + 5});
    test::GiveCards(game->piles.Their, {coins.begin() + 5, coins.end()});
    test::GiveCards(game->piles.Our, {others.begin(), others.begin() + 15});
    test::GiveCards(game->piles.Their, {others.begin() + 15, others.end()});
    ScoreHand(*game);
    for (bool we : {true, false}) {
      EXPECT_EQ(Score(we).MostCards, 0);
      EXPECT_EQ(Score(we).MostCoins, 0);
      EXPECT_EQ(Score(we).Coins, 5);
    }
  }
}

TEST_F(ScoringTest, SweepsAddUpOnlyWhileTheFlagIsSet) {
  game->capture.WeSweep = true;
  ScoreCards({"2C"}, {"3C"});
  ScoreHand(*game);
  EXPECT_EQ(game->score.We.Sweeps, 2);
  EXPECT_EQ(game->score.They.Sweeps, 0);
  ClearSweepFlags(*game);
  ScoreHand(*game);
  EXPECT_EQ(game->score.We.Sweeps, 2);
  game->capture.TheySweep = true;
  ScoreHand(*game);
  ScoreHand(*game);
  EXPECT_EQ(game->score.They.Sweeps, 2);
  EXPECT_EQ(game->score.We.Sweeps, 2);
  EXPECT_EQ(game->score.We.Total, 2);
  EXPECT_EQ(game->score.They.Total, 2);
}

// Sevens and kings of other suits are no settebello and no King of Coins.
TEST_F(ScoringTest, OnlyTheCoinSevenAndKingScoreByThemselves) {
  Start(test::kRuleSets[4]);
  ScoreCards({"7C", "7H", "7S", "KC", "KH", "KS"}, {"7D", "KD"});
  EXPECT_EQ(game->score.We.Settebello, 0);
  EXPECT_EQ(game->score.We.KingOfCoins, 0);
  EXPECT_EQ(game->score.They.Settebello, 1);
  EXPECT_EQ(game->score.They.KingOfCoins, 1);
}

// Each run starts over from the piles as they stand.
TEST_F(ScoringTest, RecomputesFromThePilesAsTheyStand) {
  ScoreCards({"7D", "KD", "AC"}, {});
  EXPECT_EQ(game->score.We.Settebello, 1);
  EXPECT_EQ(game->score.We.MostCards, 1);
  game->piles.Our.CardCount = 0;
  Give(game->piles.Their, {"7D", "KD", "AC", "2C"});
  ScoreHand(*game);
  EXPECT_EQ(game->score.We.Settebello, 0);
  EXPECT_EQ(game->score.We.Coins, 0);
  EXPECT_EQ(game->score.We.MostCards, 0);
  EXPECT_EQ(game->score.We.Total, 0);
  EXPECT_EQ(game->score.They.Settebello, 1);
  EXPECT_EQ(game->score.They.Coins, 2);
  EXPECT_EQ(game->score.They.Total, 3);
}

}  // namespace
}  // namespace verlano
