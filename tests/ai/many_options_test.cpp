// A king over a table of small cards can have far more than 21 options; every
// one must be kept, in search order, and the best still chosen.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ai/choose.h"
#include "ai/enumerate.h"
#include "ai_fixture.h"

namespace verlano {
namespace {

using test::AiPosition;
using Positions = std::vector<int>;

// Every set of `size` positions adding up to `target`, by stepping a selection
// mask through all its orderings: independent of the search under test.
std::vector<Positions> SetsByMask(const std::vector<int>& values, int size, int target) {
  std::vector<Positions> sets;
  std::vector<bool> chosen(values.size(), false);
  std::fill(chosen.begin(), chosen.begin() + size, true);
  do {
    Positions set;
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

std::vector<Positions> ExpectedSets(const Game& game, std::span<const CardSprite> table,
                                    int target) {
  std::vector<int> values;
  for (const CardSprite& sprite : table) values.push_back(game.cards.CardValue[sprite.Card]);
  std::vector<Positions> all;
  for (int size = 4; size >= 2; --size) {
    const std::vector<Positions> sets = SetsByMask(values, size, target);
    all.insert(all.end(), sets.begin(), sets.end());
  }
  return all;
}

std::vector<Positions> FoundSets(const HandAnalysis& analysis) {
  std::vector<Positions> found;
  for (const CaptureOption& option : analysis.Options) {
    found.emplace_back(option.Positions.begin(), option.Positions.begin() + option.Count);
  }
  return found;
}

TEST(ManyOptions, FullTablePileKeepsEveryOptionInSearchOrder) {
  AiPosition pos;
  Game& game = pos.game();
  // All four cards of every value below the king: 36 entries, every one the
  // table pile has, more than its card list holds, so the pile is built here.
  std::vector<CardSprite> table;
  for (int card = 0; card < kCardIndexCount; ++card) {
    const int value = game.cards.CardValue[card];
    if (InPlay(game.cards, card) && value < 10) table.push_back(CardSprite{.Card = card});
  }
  ASSERT_EQ(table.size(), static_cast<std::size_t>(kTableEntries));
  HandAnalysis analysis;
  EnumerateCaptures(game, analysis, test::Card(game, "KC"), table);
  const std::vector<Positions> expected = ExpectedSets(game, table, 10);
  EXPECT_GT(expected.size(), 21u);
  EXPECT_EQ(FoundSets(analysis), expected);
}

TEST(ManyOptions, BestOptionFoundPastTheTwentyFirst) {
  AiPosition pos;
  // Fifteen small plain cards, then the three plain aces and the seven of
  // coins: the one set taking four cards and the premium is near the end.
  pos.Hand({"KC"}).Table({"2C", "2H", "2S", "3C", "3H", "3S", "4C", "4H", "4S", "5C", "5H", "5S",
                          "6C", "6H", "6S", "AC", "AH", "AS", "7D"});
  Game& game = pos.game();
  HandAnalysis analysis;
  const std::span<const CardSprite> table(game.piles.TablePile.data(), game.piles.TableCount);
  EnumerateCaptures(game, analysis, test::Card(game, "KC"), table);
  const std::vector<Positions> found = FoundSets(analysis);
  EXPECT_EQ(found, ExpectedSets(game, table, 10));
  const Positions best = {15, 16, 17, 18};
  const auto at = std::ranges::find(found, best);
  ASSERT_NE(at, found.end());
  EXPECT_GT(at - found.begin(), 21);

  const ComputerPlay play = ChooseComputerCard(game, AiPosition::kSeat);
  EXPECT_EQ(play.HandPosition, 0);
  const CaptureChoice& choice = play.Capture;
  EXPECT_EQ(Positions(choice.Positions.begin(), choice.Positions.begin() + choice.Count), best);
  EXPECT_EQ(choice.Premium, 1);
  EXPECT_TRUE(choice.Safe);
}

}  // namespace
}  // namespace verlano
