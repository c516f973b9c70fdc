// The score of a hand: which items each variant counts, the primiera by the
// best card of each suit, no point on a tie, and sweeps that add up over the
// hand only while their flag is set.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rules/table_builder.h"

namespace verlano {
namespace {

using test::GiveCards;
using test::VariantOptions;

class ScoringTest : public ::testing::Test {
 protected:
  void Start(Variant variant, bool extra = false) {
    game = test::DealtGame(VariantOptions(variant, extra));
  }

  void Give(SidePiles& side, test::Codes codes) { GiveCards(*game, side, codes); }

  const SideScore& Score(bool we) const { return we ? game->score.We : game->score.They; }

  std::unique_ptr<Game> game = test::DealtGame(Options{});
};

// Every card of coins and every seven to one side, the rest to the other:
// each item goes to one side, so the totals add up to all a hand can give.
struct FullHandCase {
  Variant variant;
  bool extra;
  int points;  // besides sweeps
};

class FullHandTest : public ScoringTest, public ::testing::WithParamInterface<FullHandCase> {};

TEST_P(FullHandTest, TotalsAddUpToWhatTheVariantGives) {
  const FullHandCase& c = GetParam();
  for (bool coinsToWe : {true, false}) {
    Start(c.variant, c.extra);
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
    EXPECT_EQ(taker.Total + other.Total, c.points);
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

INSTANTIATE_TEST_SUITE_P(AllVariants, FullHandTest,
                         ::testing::Values(FullHandCase{Variant::Nine, false, 4},
                                           FullHandCase{Variant::Romane, false, 13},
                                           FullHandCase{Variant::Romane, true, 15},
                                           FullHandCase{Variant::Napoletane, false, 4},
                                           FullHandCase{Variant::UmbriaMarche, false, 5}));

struct CoinItems {
  Variant variant;
  bool extra;
  int weCoinPoints, theyCoinPoints;
  int weMostCoins;
  int weKing;
};

class CoinItemsTest : public ScoringTest, public ::testing::WithParamInterface<CoinItems> {};

// Six coins, the King of Coins among them, against four.
TEST_P(CoinItemsTest, CoinsAndKingOfCoinsByVariant) {
  const CoinItems& c = GetParam();
  Start(c.variant, c.extra);
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

INSTANTIATE_TEST_SUITE_P(AllVariants, CoinItemsTest,
                         ::testing::Values(CoinItems{Variant::Nine, false, 0, 0, 1, 0},
                                           CoinItems{Variant::Romane, false, 6, 4, 0, 0},
                                           CoinItems{Variant::Romane, true, 6, 4, 1, 1},
                                           CoinItems{Variant::Napoletane, false, 0, 0, 1, 0},
                                           CoinItems{Variant::UmbriaMarche, false, 0, 0, 1, 1}));

TEST_F(ScoringTest, SideMissingASuitHasNoPrimieraAndCannotWinIt) {
  Give(game->piles.Our, {"2C", "2D", "2H", "2S"});
  Give(game->piles.Their, {"7C", "7H", "7S", "6C", "6H", "6S"});
  ScoreHand(*game);
  EXPECT_EQ(game->score.We.PrimieraSum, 48);
  EXPECT_EQ(game->score.They.PrimieraSum, 0);
  EXPECT_EQ(game->score.We.PrimieraPoint, 1);
  EXPECT_EQ(game->score.They.PrimieraPoint, 0);
}

TEST_F(ScoringTest, NobodyWinsThePrimieraWhenNeitherHasEverySuit) {
  Give(game->piles.Our, {"7C", "7D", "7H"});
  Give(game->piles.Their, {"7S", "6S"});
  ScoreHand(*game);
  EXPECT_EQ(game->score.We.PrimieraSum, 0);
  EXPECT_EQ(game->score.They.PrimieraSum, 0);
  EXPECT_EQ(game->score.We.PrimieraPoint, 0);
  EXPECT_EQ(game->score.They.PrimieraPoint, 0);
}

// Only the best card of each suit counts, however many cards a suit has.
TEST_F(ScoringTest, PrimieraAddsTheBestCardOfEachSuit) {
  Give(game->piles.Our, {"2C", "7C", "3C", "AD", "2D", "2H", "5S", "4S", "KS"});
  Give(game->piles.Their, {"6C", "6D", "6H", "6S"});
  ScoreHand(*game);
  EXPECT_EQ(game->score.We.PrimieraSum, 21 + 16 + 12 + 15);
  EXPECT_EQ(game->score.They.PrimieraSum, 4 * 18);
  EXPECT_EQ(game->score.We.PrimieraPoint, 0);
  EXPECT_EQ(game->score.They.PrimieraPoint, 1);
}

TEST_F(ScoringTest, EqualPrimieraGivesNobodyThePoint) {
  Give(game->piles.Our, {"KC", "QD", "JH", "KS"});
  Give(game->piles.Their, {"JC", "KD", "QH", "JS"});
  ScoreHand(*game);
  EXPECT_EQ(game->score.We.PrimieraSum, 40);
  EXPECT_EQ(game->score.They.PrimieraSum, 40);
  EXPECT_EQ(game->score.We.PrimieraPoint + game->score.They.PrimieraPoint, 0);
}

// Twenty cards and five coins each: no point for most cards or most coins.
TEST_F(ScoringTest, EvenSplitOfCardsAndCoinsGivesNeitherPoint) {
  for (Variant variant : test::kAllVariants) {
    Start(variant);
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
  Give(game->piles.Our, {"2C"});
  Give(game->piles.Their, {"3C"});
  game->capture.WeSweep = true;
  ScoreHand(*game);
  ScoreHand(*game);
  EXPECT_EQ(game->score.We.Sweeps, 2);
  EXPECT_EQ(game->score.They.Sweeps, 0);
  ClearSweepFlags(*game);
  ScoreHand(*game);
  EXPECT_EQ(game->score.We.Sweeps, 2);
  game->capture.TheySweep = true;
  ScoreHand(*game);
  EXPECT_EQ(game->score.They.Sweeps, 1);
  EXPECT_EQ(game->score.We.Sweeps, 2);
  EXPECT_EQ(game->score.We.Total, 2);
  EXPECT_EQ(game->score.They.Total, 1);
}

// Each run starts over from the piles as they stand.
TEST_F(ScoringTest, RecomputesFromThePilesAsTheyStand) {
  Give(game->piles.Our, {"7D", "KD", "AC"});
  ScoreHand(*game);
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
