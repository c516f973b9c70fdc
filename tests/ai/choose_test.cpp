#include "ai/choose.h"

#include <gtest/gtest.h>

#include "ai_fixture.h"

namespace verlano {
namespace {

using test::AiPosition;

TEST(ChooseComputerCard, WorkedExampleKingTakesSevenOfCoinsAndThree) {
  AiPosition pos;
  pos.Hand({"7S", "KC"}).Table({"7D", "3H", "4S"}).Played(3, 1).Played(4, 1).Played(7, 1);
  Game& game = pos.game();
  EXPECT_EQ(ChooseComputerCard(game, AiPosition::kSeat), 1);
  const CaptureChoice& choice = game.capture.Choice;
  ASSERT_EQ(choice.Count, 2);
  EXPECT_EQ(choice.Positions[0], 0);
  EXPECT_EQ(choice.Positions[1], 1);
  EXPECT_EQ(choice.Premium, 1);
  EXPECT_EQ(choice.PrimieraSum, 48);
  EXPECT_FALSE(choice.Safe);
  EXPECT_FLOAT_EQ(choice.Score, 254.8f);
}

}  // namespace
}  // namespace verlano
