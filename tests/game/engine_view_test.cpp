// The game as the engine sees it: the classic player's decision at the table
// (returned, the game untouched; nothing from an empty hand; the card memory
// read from the game's own piles, not from a sweep mark) and what the card
// just played must take; each level of the options played by the engine's
// level of that name.

#include "game/engine_view.h"

#include <gtest/gtest.h>

#include "rules/table_builder.h"

namespace verlano {
namespace {

using test::CardOf;

constexpr int kSeat = 1;

// A fresh game with `hand` for seat 1 and `table` on the table.
class EngineViewTest : public ::testing::Test {
 protected:
  void Set(test::Codes hand, test::Codes table) {
    Piles& piles = game.piles;
    piles.HandCount[kSeat] = 0;
    for (std::string_view code : hand) {
      piles.HandCards[kSeat][piles.HandCount[kSeat]++] = CardOf(game, code);
    }
    piles.TableCount = 0;
    piles.TableCardCount = 0;
    for (std::string_view code : table) {
      piles.TablePile[piles.TableCount++] = CardSprite{.Card = CardOf(game, code), .Present = true};
      piles.TableCards[piles.TableCardCount++] = CardOf(game, code);
    }
  }

  Game game{Options{}, 1};
};

TEST_F(EngineViewTest, ClassicPlayDecidesWithoutTouchingTheGame) {
  // The worked example: the king takes the seven of coins and the three.
  Set({"7S", "KC"}, {"7D", "3H", "4S"});
  for (int value : {3, 4, 7}) game.memory.PlayedByValue[value] = 1;
  game.capture.Choice.Positions.fill(9);
  game.capture.Choice.Safe = true;
  const ComputerPlay play = ClassicPlay(game, kSeat);
  EXPECT_EQ(play.HandPosition, 1);
  ASSERT_EQ(play.Capture.Count, 2);
  EXPECT_EQ(play.Capture.Positions[0], 0);
  EXPECT_EQ(play.Capture.Positions[1], 1);
  EXPECT_EQ(play.Capture.Premium, 1);
  EXPECT_EQ(play.Capture.PrimieraSum, 48);
  EXPECT_FALSE(play.Capture.Safe);
  EXPECT_FLOAT_EQ(play.Capture.Score, 254.8f);
  for (std::size_t k = 2; k < play.Capture.Positions.size(); ++k) {
    EXPECT_EQ(play.Capture.Positions[k], 0);
  }
  EXPECT_EQ(game.capture.Choice.Positions[0], 9) << "the game's own record is the caller's";
  EXPECT_TRUE(game.capture.Choice.Safe);
}

TEST_F(EngineViewTest, EmptyHandChoosesNothing) {
  Set({}, {"3C"});
  const ComputerPlay play = ClassicPlay(game, kSeat);
  EXPECT_EQ(play.HandPosition, -1);
  EXPECT_EQ(play.Capture.Count, 0);
}

// With three sevens seen and the seven of coins out, a seven is cheaper to
// lay than a six; the player looks for it in either pile, up to its count.
TEST_F(EngineViewTest, TheCardMemoryIsTheGamesOwn) {
  Set({"6C", "7C"}, {"KC"});
  game.memory.PlayedByValue[7] = 3;
  EXPECT_EQ(ClassicPlay(game, kSeat).HandPosition, 0);
  SidePiles& theirs = game.piles.Their;
  theirs.Pile[theirs.PileCount++].Card = kSettebello;
  EXPECT_EQ(ClassicPlay(game, kSeat).HandPosition, 1);
  theirs.PileCount = 0;  // an entry past the count is not in the pile
  EXPECT_EQ(ClassicPlay(game, kSeat).HandPosition, 0);
  theirs.Sweeps[theirs.SweepCount++].Card = kSettebello;
  EXPECT_EQ(ClassicPlay(game, kSeat).HandPosition, 0) << "a sweep mark is not looked at";
  SidePiles& ours = game.piles.Our;
  ours.Pile[ours.PileCount++].Card = kSettebello;
  EXPECT_EQ(ClassicPlay(game, kSeat).HandPosition, 1);
}

TEST_F(EngineViewTest, FirstCaptureSizeOfTheCardJustPlayed) {
  test::LayTable(game, {"AC", "2D", "3H", "4S"}, "KC", 0);
  EXPECT_EQ(FirstCaptureSize(game), 4);
  test::LayTable(game, {"AC", "2D", "3H", "4S", "6C", "KD"}, "KC", 0);
  EXPECT_EQ(FirstCaptureSize(game), 1) << "the equal king rules out the sums";
  test::LayTable(game, {"AC", "AD", "2H", "3S", "3C"}, "KC", 0);
  EXPECT_EQ(FirstCaptureSize(game), 0) << "five cards would be needed";
}

TEST(EngineLevel, EachLevelOfTheOptionsIsTheEnginesOfItsName) {
  const std::pair<PlayerLevel, std::string_view> named[] = {{PlayerLevel::Beginner, "beginner"},
                                                            {PlayerLevel::Classic, "classic"},
                                                            {PlayerLevel::Strong, "strong"},
                                                            {PlayerLevel::Expert, "expert"},
                                                            {PlayerLevel::Master, "master"}};
  for (const auto& [level, name] : named) EXPECT_EQ(engine::NameOf(EngineLevel(level)), name);
}

}  // namespace
}  // namespace verlano
