#include "ai/enumerate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ai_fixture.h"

namespace verlano {
namespace {

using test::AiPosition;

std::span<const CardSprite> TableOf(const Game& game) {
  return {game.piles.TablePile.data(), static_cast<std::size_t>(game.piles.TableCount)};
}

HandAnalysis Enumerate(AiPosition& pos, std::string_view code) {
  HandAnalysis analysis;
  EnumerateCaptures(pos.game(), analysis, test::Card(pos.game(), code), TableOf(pos.game()));
  return analysis;
}

// The single option a card has; an empty option (and a failure) otherwise.
CaptureOption OnlyOption(const HandAnalysis& analysis) {
  EXPECT_EQ(analysis.Options.size(), 1u);
  return analysis.Options.size() == 1 ? analysis.Options[0] : CaptureOption{};
}

std::vector<int> PositionsOf(const CaptureOption& option) {
  return {option.Positions.begin(), option.Positions.begin() + option.Count};
}

TEST(EnumerateCaptures, EqualCardDiscardsTheSumsAndTheSevenOfCoinsEarnsAPremium) {
  for (std::string_view seven : {"7C", "7D"}) {
    AiPosition pos;
    pos.Table({"3H", "4S", seven});
    const CaptureOption option = OnlyOption(Enumerate(pos, "7S"));
    EXPECT_EQ(PositionsOf(option), std::vector<int>{2});
    EXPECT_EQ(option.Premium, seven == "7D" ? 1 : 0);
  }
}

TEST(EnumerateCaptures, FoursThenThreesThenPairsInTableOrder) {
  AiPosition pos;
  pos.Table({"AC", "2C", "3C", "4C", "6C"});
  const HandAnalysis analysis = Enumerate(pos, "KS");
  std::vector<std::vector<int>> found;
  for (const CaptureOption& option : analysis.Options) found.push_back(PositionsOf(option));
  const std::vector<std::vector<int>> expected = {{0, 1, 2, 3}, {0, 2, 4}, {3, 4}};
  EXPECT_EQ(found, expected);
}

TEST(EnumerateCaptures, AceTakesOnlyAnAce) {
  AiPosition pos;
  pos.Table({"2C", "AH"});
  EXPECT_EQ(PositionsOf(OnlyOption(Enumerate(pos, "AS"))), std::vector<int>{1});
}

TEST(EnumerateCaptures, NoCaptureGivesOneLayDown) {
  AiPosition pos;
  // Ace + 2 + 3 and a jack: no sum counts one card twice.
  pos.Table({"AC", "2C", "3C", "JC"});
  const CaptureOption option = OnlyOption(Enumerate(pos, "7S"));
  EXPECT_EQ(option.Count, 0);
  EXPECT_EQ(option.Premium, 0);
  EXPECT_EQ(option.PrimieraSum, 0);
}

TEST(EnumerateCaptures, FiveCardSumsAreNotSearched) {
  AiPosition pos;
  pos.Table({"AC", "AH", "2C", "3C", "3H"});
  EXPECT_EQ(OnlyOption(Enumerate(pos, "KS")).Count, 0);
}

TEST(ScoreCaptureBasics, SweepAddsAPremiumOnTopOfTheSevenOfCoins) {
  AiPosition pos;
  pos.Table({"7D", "3H"});
  EXPECT_EQ(OnlyOption(Enumerate(pos, "KS")).Premium, 2);
}

TEST(CountCoins, CountsOnlyTheTakenCoins) {
  AiPosition pos;
  pos.Table({"AD", "2D", "3C", "4D", "KD"});
  CaptureOption option;
  option.Positions = {0, 2, 3, 4};
  option.Count = 3;
  EXPECT_EQ(CountCoins(pos.game().cards, TableOf(pos.game()), option), 2);
}

}  // namespace
}  // namespace verlano
