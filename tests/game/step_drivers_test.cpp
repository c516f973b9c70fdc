// The movement of cards in flight: which sprites each driver steps, which one
// it tests for arrival, and where an arriving card comes to rest.

#include "game/step_drivers.h"

#include <gtest/gtest.h>

#include "rules/flight.h"
#include "rules/game.h"

namespace verlano {
namespace {

class StepDriversTest : public ::testing::Test {
 protected:
  Game game{Options{}, 7};
  // A state whose landings do nothing beyond stopping the card.
  void SetUp() override { game.turn.GameState = PlayState::HandOver; }

  CardSprite& TableCard(int i) { return game.piles.TablePile[i]; }

  // Places a table entry at (x, y) flying to (tx, ty) over the gather frame count.
  void Fly(CardSprite& s, float x, float y, float tx, float ty) {
    s.X = x;
    s.Y = y;
    StartFlight(s, tx, ty, game.layout.GatherFrames);
  }

  static int FramesUntilArrival(Game& g, CardSprite& s, int limit) {
    for (int frame = 1; frame <= limit; ++frame) {
      StepSprite(g, s);
      if (!s.Moving) return frame;
    }
    return -1;
  }
};

TEST_F(StepDriversTest, LongFlightArrivesWithinToleranceAndIsNotSnapped) {
  CardSprite s;
  s.X = 13;
  s.Y = 240;
  LaunchSprite(game.layout, s, 5 + 57 * 3, 420);  // 10 frames at normal speed
  // 180 px in 10 frames is 18 px a frame: within 8 px after the tenth step only.
  EXPECT_EQ(FramesUntilArrival(game, s, 50), 10);
  EXPECT_NEAR(s.X, 176.0f, 8.0f);
  EXPECT_NEAR(s.Y, 420.0f, 8.0f);
}

TEST_F(StepDriversTest, FlightShorterThanToleranceArrivesOnFirstStepWhereTheStepPutIt) {
  CardSprite s;
  s.X = 100;
  s.Y = 100;
  LaunchSprite(game.layout, s, 105, 96);
  StepSprite(game, s);
  EXPECT_FALSE(s.Moving);
  EXPECT_FLOAT_EQ(s.X, 100.5f);  // one tenth of the way, not the target
  EXPECT_FLOAT_EQ(s.Y, 99.6f);
}

TEST_F(StepDriversTest, ZeroLengthFlightArrivesAtFirstTestWithoutMoving) {
  CardSprite s;
  s.X = 42;
  s.Y = 17;
  LaunchSprite(game.layout, s, 42, 17);
  EXPECT_EQ(s.DirX, 0);
  EXPECT_EQ(s.DirY, 0);
  EXPECT_TRUE(Arrives(game.layout, s));
  EXPECT_FLOAT_EQ(s.X, 42.0f);
}

TEST_F(StepDriversTest, SpriteAtRestNeverArrives) {
  CardSprite s;
  s.X = 10;
  s.TargetX = 10;
  EXPECT_FALSE(Arrives(game.layout, s));
  StepSprite(game, s);
  EXPECT_FLOAT_EQ(s.X, 10.0f);
}

TEST_F(StepDriversTest, SlowAnimationDoublesTheFramesOfADealFlight) {
  Options slow;
  slow.animation = AnimationSpeed::Slow;
  Game slowGame(slow, 7);
  CardSprite s;
  s.X = 13;
  s.Y = 240;
  LaunchSprite(slowGame.layout, s, 13 + 400, 240);
  // 400 px at 20 px a frame: the 20th step brings it within 8 px.
  EXPECT_EQ(FramesUntilArrival(slowGame, s, 100), 20);
}

TEST_F(StepDriversTest, GatherTestsOnlyTheLowestMovingEntryAndLeavesThePlayedCard) {
  game.piles.TableCount = 4;              // entry 3 is the card just played
  Fly(TableCard(1), 300, 200, 303, 201);  // close: would arrive at once if tested
  Fly(TableCard(2), 100, 100, 300, 200);
  TableCard(3).X = 300;
  TableCard(3).Y = 200;
  StartFlight(TableCard(3), 500, 500, 20);  // must not be stepped by a gather
  // Entry 1 is the lowest moving one: it is tested and lands.
  EXPECT_EQ(StepGather(game), &TableCard(1));
  EXPECT_FALSE(TableCard(1).Moving);
  EXPECT_TRUE(TableCard(2).Moving);
  EXPECT_FLOAT_EQ(TableCard(2).X, 110.0f);
  EXPECT_FLOAT_EQ(TableCard(3).X, 300.0f);
}

TEST_F(StepDriversTest, GatherDoesNotTestAHigherEntryThatIsAlreadyClose) {
  game.piles.TableCount = 3;
  Fly(TableCard(0), 0, 0, 300, 200);
  Fly(TableCard(1), 300, 200, 302, 200);
  EXPECT_EQ(StepGather(game), nullptr);
  EXPECT_TRUE(TableCard(0).Moving);
  EXPECT_TRUE(TableCard(1).Moving);  // close, but not the tested one
}

TEST_F(StepDriversTest, ToPileTestsOnlyThePlayedCard) {
  game.piles.TableCount = 3;
  Fly(TableCard(0), 45, 240, 46, 241);  // already close: stepped, never tested
  Fly(TableCard(2), 400, 300, 45, 240);
  StepToPile(game);
  EXPECT_TRUE(TableCard(0).Moving);
  EXPECT_TRUE(TableCard(2).Moving);
  EXPECT_FLOAT_EQ(TableCard(2).X, 400.0f - 355.0f / 20.0f);
  for (int frame = 1; frame < 19; ++frame) EXPECT_EQ(StepToPile(game), nullptr);
  EXPECT_EQ(StepToPile(game), &TableCard(2));
  EXPECT_FALSE(TableCard(2).Moving);
  EXPECT_TRUE(TableCard(0).Moving);  // stopping the group is the arrival's business
}

TEST_F(StepDriversTest, ToPileWithThePlayedCardAtRestTestsNothing) {
  game.piles.TableCount = 2;
  Fly(TableCard(0), 45, 240, 45, 240);
  EXPECT_EQ(StepToPile(game), nullptr);
  EXPECT_TRUE(TableCard(0).Moving);
}

TEST_F(StepDriversTest, HandSortNeverMovesEntryZeroAndTestsTheHighestMovingEntry) {
  auto& hand = game.piles.Hand[0];
  hand[0].X = 5;
  StartFlight(hand[0], 200, 420, 20);  // entry 0 is never stepped by the sort
  hand[2].X = 119;
  hand[2].Y = 420;
  StartFlight(hand[2], 121, 420, 20);  // close, but not the highest moving entry
  hand[5].X = 290;
  hand[5].Y = 420;
  StartFlight(hand[5], 5, 420, 20);
  StepHandSort(game);
  EXPECT_FLOAT_EQ(hand[0].X, 5.0f);
  EXPECT_TRUE(hand[2].Moving);
  EXPECT_TRUE(hand[5].Moving);
  EXPECT_FLOAT_EQ(hand[5].X, 290.0f - 285.0f / 20.0f);
  for (int frame = 1; frame < 20; ++frame) StepHandSort(game);
  EXPECT_FALSE(hand[5].Moving);
}

}  // namespace
}  // namespace verlano
