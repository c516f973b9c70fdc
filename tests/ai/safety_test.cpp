#include "ai/safety.h"

#include <gtest/gtest.h>

#include "ai/choose.h"
#include "ai_fixture.h"

namespace verlano {
namespace {

using test::AiPosition;

ScratchTable Scratch(const Game& game, std::initializer_list<std::string_view> codes) {
  ScratchTable scratch;
  for (std::string_view code : codes) scratch.Cards[scratch.Count++] = test::Card(game, code);
  return scratch;
}

bool Safe(AiPosition& pos, std::initializer_list<std::string_view> codes) {
  return SweepSafe(pos.game().cards, pos.game().memory, Scratch(pos.game(), codes));
}

TEST(SweepSafe, EmptyTableIsSafe) {
  AiPosition pos;
  EXPECT_TRUE(Safe(pos, {}));
}

TEST(SweepSafe, OneCardIsSafeOnlyOnceAllFourOfItsValueAreSeen) {
  AiPosition pos;
  pos.Played(5, 3);
  EXPECT_FALSE(Safe(pos, {"5C"}));
  pos.Played(5, 4);
  EXPECT_TRUE(Safe(pos, {"5C"}));
}

TEST(SweepSafe, CardsAddingUpToMoreThanTenAreSafe) {
  AiPosition pos;
  EXPECT_TRUE(Safe(pos, {"6C", "5H"}));
  EXPECT_FALSE(Safe(pos, {"6C", "4H"}));
}

TEST(SweepSafe, CardsAddingUpToASeenOutValueAreSafe) {
  AiPosition pos;
  pos.Played(9, 3);
  EXPECT_FALSE(Safe(pos, {"2C", "3H", "4S"}));
  pos.Played(9, 4);
  EXPECT_TRUE(Safe(pos, {"2C", "3H", "4S"}));
}

TEST(RemainingTable, CaptureRemovesTakenCardsAndTheHandCard) {
  AiPosition pos;
  ScratchTable scratch = Scratch(pos.game(), {"AC", "2C", "3C", "4C", "KS"});
  CaptureOption option;
  option.Positions = {1, 3, 0, 0};
  option.Count = 2;
  RemainingTable(option, scratch);
  ASSERT_EQ(scratch.Count, 2);
  EXPECT_EQ(scratch.Cards[0], test::Card(pos.game(), "AC"));
  EXPECT_EQ(scratch.Cards[1], test::Card(pos.game(), "3C"));
}

TEST(RemainingTable, LayDownKeepsTheHandCard) {
  AiPosition pos;
  ScratchTable scratch = Scratch(pos.game(), {"AC", "KS"});
  RemainingTable(CaptureOption{}, scratch);
  ASSERT_EQ(scratch.Count, 2);
  EXPECT_EQ(scratch.Cards[1], test::Card(pos.game(), "KS"));
}

TEST(LayDown, LeavingMoreThanTenIsSafe) {
  AiPosition pos;
  pos.Hand({"5H"}).Table({"6C"});
  const CaptureChoice choice = ChooseComputerCard(pos.game(), AiPosition::kSeat).Capture;
  EXPECT_EQ(choice.Count, 0);
  EXPECT_TRUE(choice.Safe);
}

TEST(LayDown, LeavingTenOrLessIsUnsafeUntilThatValueIsSeenOut) {
  AiPosition pos;
  pos.Hand({"4H"}).Table({"5C"});
  EXPECT_FALSE(ChooseComputerCard(pos.game(), AiPosition::kSeat).Capture.Safe);
  pos.Played(9, 4);
  EXPECT_TRUE(ChooseComputerCard(pos.game(), AiPosition::kSeat).Capture.Safe);
}

}  // namespace
}  // namespace verlano
