// Flight arithmetic: a flight covers any distance in a fixed number of frames,
// in single precision, and a short flight rests where its first step put it.

#include "rules/flight.h"

#include <gtest/gtest.h>

#include <cmath>

namespace verlano {
namespace {

class FlightTest : public ::testing::Test {
 protected:
  FlightTest() {
    Settings settings;
    SetUpLayout(settings, layout);
  }

  static CardSprite At(float x, float y) {
    CardSprite s;
    s.X = x;
    s.Y = y;
    return s;
  }

  Layout layout;
};

TEST_F(FlightTest, ZeroLengthFlightHasNoDirectionNoStepAndIsNearAtOnce) {
  CardSprite s = At(230, 203);
  StartFlight(s, 230, 203, 20);
  EXPECT_TRUE(s.Moving);
  EXPECT_EQ(s.DirX, 0);
  EXPECT_EQ(s.DirY, 0);
  EXPECT_EQ(s.StepX, 0.0f);
  EXPECT_EQ(s.StepY, 0.0f);
  EXPECT_TRUE(NearTarget(layout, s));
  MoveStep(s);
  EXPECT_EQ(s.X, 230.0f);
  EXPECT_EQ(s.Y, 203.0f);
}

TEST_F(FlightTest, ShortFlightIsNearAfterOneStepAndRestsWhereTheStepPutIt) {
  CardSprite s = At(100, 100);
  LaunchSprite(layout, s, 105, 94);  // deal length: 10 frames
  MoveStep(s);
  EXPECT_TRUE(NearTarget(layout, s));
  EXPECT_FLOAT_EQ(s.X, 100.5f);
  EXPECT_FLOAT_EQ(s.Y, 99.4f);
}

TEST_F(FlightTest, DirectionsFollowTheSignOfTheTravelAndStepsAreNeverNegative) {
  CardSprite s = At(635, 240);
  StartFlight(s, 45, 300, 20);
  EXPECT_EQ(s.DirX, -1);
  EXPECT_EQ(s.DirY, 1);
  EXPECT_FLOAT_EQ(s.StepX, 29.5f);
  EXPECT_FLOAT_EQ(s.StepY, 3.0f);
}

// Whatever the distance, F single-precision steps land on the target.
TEST_F(FlightTest, ReachesTheTargetAfterExactlyItsFrameCount) {
  const float starts[][2] = {{13, 240}, {635, 240}, {0.5f, 599}, {441, 39}};
  const float targets[][2] = {{518, 420}, {45, 240}, {799, 0.25f}, {17, 463}};
  for (int frames : {7, 10, 20, 40}) {
    for (int k = 0; k < 4; ++k) {
      CardSprite s = At(starts[k][0], starts[k][1]);
      StartFlight(s, targets[k][0], targets[k][1], frames);
      for (int f = 0; f < frames; ++f) MoveStep(s);
      EXPECT_NEAR(s.X, targets[k][0], 1e-3f) << frames << " frames, flight " << k;
      EXPECT_NEAR(s.Y, targets[k][1], 1e-3f) << frames << " frames, flight " << k;
    }
  }
}

TEST_F(FlightTest, LongFlightIsNotNearOneFrameEarly) {
  CardSprite s = At(13, 240);
  LaunchSprite(layout, s, 5 + 57 * 9, 420);
  for (int f = 0; f < layout.DealFrames - 1; ++f) {
    MoveStep(s);
    EXPECT_FALSE(NearTarget(layout, s)) << "after step " << f + 1;
  }
  MoveStep(s);
  EXPECT_TRUE(NearTarget(layout, s));
}

// Arrival waits until the card is within 8 pixels on both axes.
TEST_F(FlightTest, NearOnlyWithinEightPixelsOnBothAxes) {
  CardSprite s = At(100, 100);
  StartFlight(s, 109, 100, 20);
  EXPECT_FALSE(NearTarget(layout, s));
  s.X = 102;
  EXPECT_TRUE(NearTarget(layout, s));
  s.Y = 91;
  EXPECT_FALSE(NearTarget(layout, s));
  s.Y = 107;
  EXPECT_TRUE(NearTarget(layout, s));
}

// The sweep flight divides each axis by its own frame count.
TEST_F(FlightTest, SeparateFrameCountsPerAxis) {
  CardSprite s = At(0, 0);
  StartFlight(s, 40, 40, 20, 40);
  EXPECT_FLOAT_EQ(s.StepX, 2.0f);
  EXPECT_FLOAT_EQ(s.StepY, 1.0f);
}

TEST_F(FlightTest, SlowAnimationDealsInTwiceTheFrames) {
  Settings slow;
  slow.Animation = AnimationSpeed::Slow;
  Layout slowLayout;
  SetUpLayout(slow, slowLayout);
  CardSprite s = At(13, 240);
  LaunchSprite(slowLayout, s, 53, 420);
  EXPECT_FLOAT_EQ(s.StepX, 2.0f);
  EXPECT_FLOAT_EQ(s.StepY, 9.0f);
}

TEST_F(FlightTest, MoveStepLeavesASpriteAtRestAlone) {
  CardSprite s = At(10, 20);
  StartFlight(s, 200, 300, 10);
  s.Moving = false;
  MoveStep(s);
  EXPECT_EQ(s.X, 10.0f);
  EXPECT_EQ(s.Y, 20.0f);
}

}  // namespace
}  // namespace verlano
