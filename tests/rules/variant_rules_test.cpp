// The variants table: each dialog choice's record as the game's rules have it,
// and what every record must hold whatever the variant, so that a new row is
// checked the moment it is added.

#include "rules/variant_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>
#include <vector>

#include "rules/table_builder.h"

namespace verlano {
namespace {

// Settebello, king of coins, most coins, each coin, primiera, most cards, each sweep.
using Points = std::array<int, 7>;

Points PointsOf(const ItemPoints& p) {
  return {p.Settebello, p.KingOfCoins, p.MostCoins, p.PerCoin, p.Primiera, p.MostCards, p.PerSweep};
}

struct Expected {
  int cardsPerHand, packetSize, tableCards, matchTarget;
  Points points;
  std::vector<ScoreRow> scoreRows;
  int historyRows;
};

using enum ScoreRow;
const std::vector<ScoreRow> kPlainPage = {Cards, Coins, Settebello, Primiera, Sweeps};
const std::vector<ScoreRow> kExtraPage = {Cards,       Coins,    MostCoins, Settebello,
                                          KingOfCoins, Primiera, Sweeps};
const std::vector<ScoreRow> kKingPage = {Cards, Coins, Settebello, KingOfCoins, Primiera, Sweeps};

// In the order of `test::kRuleSets`: "Romane" scores 13 (ten coins, the seven,
// primiera, most cards), the extra points add the king and most coins.
const Expected kExpected[] = {
    {9, 3, 4, 20, {1, 0, 1, 0, 1, 1, 1}, kPlainPage, 5},
    {10, 5, 0, 40, {1, 0, 0, 1, 1, 1, 1}, kPlainPage, 5},
    {10, 5, 0, 40, {1, 1, 1, 1, 1, 1, 1}, kExtraPage, 3},
    {10, 5, 0, 20, {1, 0, 1, 0, 1, 1, 1}, kPlainPage, 5},
    {10, 5, 0, 20, {1, 1, 1, 0, 1, 1, 1}, kKingPage, 4},
};
static_assert(std::size(kExpected) == std::size(test::kRuleSets));

TEST(VariantRulesTest, EachChoiceFindsItsRecordAsTheRulesHaveIt) {
  ASSERT_EQ(AllVariantRules().size(), std::size(test::kRuleSets));
  for (std::size_t i = 0; i < std::size(kExpected); ++i) {
    const test::RuleSet& choice = test::kRuleSets[i];
    const Expected& want = kExpected[i];
    SCOPED_TRACE(choice.name);
    const VariantRules& rules = RulesFor(choice.variant, choice.extraCoinPoints);
    EXPECT_EQ(rules.Choice, choice.variant);
    EXPECT_EQ(rules.ExtraCoinPoints, choice.extraCoinPoints);
    EXPECT_EQ(rules.CardsPerHand, want.cardsPerHand);
    EXPECT_EQ(rules.DealPacketSize, want.packetSize);
    EXPECT_EQ(rules.TableCardsAtDeal, want.tableCards);
    EXPECT_EQ(rules.MatchTarget, want.matchTarget);
    EXPECT_EQ(PointsOf(rules.Points), want.points);
    EXPECT_EQ(std::vector<ScoreRow>(rules.ScoreRows.begin(), rules.ScoreRows.end()),
              want.scoreRows);
    EXPECT_EQ(rules.HistoryRows, want.historyRows);
  }
}

// Over the table itself, so that a variant added later meets the same checks.
TEST(VariantRulesTest, EveryRecordDealsThePackAndBoundsItsPoints) {
  std::set<std::pair<Variant, bool>> choices;
  for (const VariantRules& rules : AllVariantRules()) {
    SCOPED_TRACE(::testing::Message() << "variant " << static_cast<int>(rules.Choice)
                                      << (rules.ExtraCoinPoints ? " with the extra points" : ""));
    EXPECT_TRUE(choices.insert({rules.Choice, rules.ExtraCoinPoints}).second) << "twice";
    EXPECT_EQ(&RulesFor(rules.Choice, rules.ExtraCoinPoints), &rules);

    // The whole pack goes out at the deal, in whole packets.
    EXPECT_EQ(4 * rules.CardsPerHand + rules.TableCardsAtDeal, 40);
    EXPECT_EQ(rules.CardsPerHand % rules.DealPacketSize, 0);
    int laid = 0;
    for (int dealt = 1; dealt <= 4 * rules.CardsPerHand; ++dealt) {
      if (TableBreakAfter(rules, dealt)) laid += TableCardsPerBreak(rules);
    }
    EXPECT_EQ(laid, rules.TableCardsAtDeal);

    // The simulator's bound must admit a side taking every item.
    const ItemPoints& p = rules.Points;
    const int everything =
        p.Settebello + p.KingOfCoins + p.MostCoins + 10 * p.PerCoin + p.Primiera + p.MostCards;
    EXPECT_GE(rules.MostHandPoints, everything);
    EXPECT_FALSE(rules.ScoreRows.empty());
    EXPECT_GT(rules.HistoryRows, 0);
  }
}

}  // namespace
}  // namespace verlano
