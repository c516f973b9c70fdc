// The places laid out at every deal: the sweep marks of both sides and the
// table places, whose positions the table design fixes one by one.

#include <gtest/gtest.h>

#include "rules/table_builder.h"

namespace verlano {
namespace {

class TableLayoutTest : public ::testing::Test {
 protected:
  std::unique_ptr<Game> game = test::DealtGame(Options{});
  Piles& piles = game->piles;
};

TEST_F(TableLayoutTest, SweepMarksOfBothSides) {
  const int ourX[15] = {45, 60, 30, 75, 15, 45, 60, 30, 75, 15, 45, 60, 30, 75, 15};
  const int theirX[15] = {635, 650, 620, 665, 605, 635, 650, 620,
                          665, 605, 635, 650, 620, 665, 605};
  const int markY[15] = {200, 200, 200, 200, 200, 220, 220, 220, 220, 220, 180, 180, 180, 180, 180};
  const int drawOrder[15] = {14, 12, 10, 11, 13, 4, 2, 0, 1, 3, 9, 7, 5, 6, 8};
  for (int m = 0; m < 15; ++m) {
    const SweepMark& ours = piles.Our.Sweeps[m];
    const SweepMark& theirs = piles.Their.Sweeps[m];
    EXPECT_EQ(ours.MarkX, ourX[m]) << "mark " << m;
    EXPECT_EQ(theirs.MarkX, theirX[m]) << "mark " << m;
    EXPECT_EQ(ours.MarkY, markY[m]) << "mark " << m;
    EXPECT_EQ(theirs.MarkY, markY[m]) << "mark " << m;
    EXPECT_EQ(ours.DrawOrder, drawOrder[m]) << "mark " << m;
    EXPECT_EQ(theirs.DrawOrder, drawOrder[m]) << "mark " << m;
    EXPECT_FALSE(ours.Shown);
    EXPECT_FALSE(theirs.Shown);
  }
}

// Marks are used in order: the middle of the middle row, then right, then left.
TEST_F(TableLayoutTest, FirstThreeSweepsOfASide) {
  const int ourX[3] = {45, 60, 30};
  const int theirX[3] = {635, 650, 620};
  for (int sweep = 0; sweep < 3; ++sweep) {
    EXPECT_EQ(piles.Our.Sweeps[sweep].MarkX, ourX[sweep]);
    EXPECT_EQ(piles.Their.Sweeps[sweep].MarkX, theirX[sweep]);
    EXPECT_EQ(piles.Our.Sweeps[sweep].MarkY, 200);
    EXPECT_EQ(piles.Their.Sweeps[sweep].MarkY, 200);
  }
}

TEST_F(TableLayoutTest, ShownMarksAreHiddenAgainAtTheNextDeal) {
  piles.Our.Sweeps[0].Shown = true;
  piles.Their.Sweeps[14].Shown = true;
  DealHand(*game);
  EXPECT_FALSE(piles.Our.Sweeps[0].Shown);
  EXPECT_FALSE(piles.Their.Sweeps[14].Shown);
}

TEST_F(TableLayoutTest, FourteenTablePlacesScaledFromTheDesign) {
  const int slotX[14] = {230, 336, 441, 336, 230, 441, 520, 141, 152, 520, 297, 375, 203, 469};
  const int slotY[14] = {203, 39, 203, 203, 39, 39, 203, 203, 39, 39, 141, 164, 164, 164};
  for (int a = 0; a < 14; ++a) {
    EXPECT_EQ(piles.TableSlots[a].SlotX, slotX[a]) << "place " << a;
    EXPECT_EQ(piles.TableSlots[a].SlotY, slotY[a]) << "place " << a;
  }
}

TEST_F(TableLayoutTest, PlacesBeyondThirteenLieAtTheCorner) {
  for (int a = 14; a <= 30; ++a) {
    EXPECT_EQ(piles.TableSlots[a].SlotX, 0) << "place " << a;
    EXPECT_EQ(piles.TableSlots[a].SlotY, 0) << "place " << a;
  }
}

TEST_F(TableLayoutTest, EveryTableEntryStartsOnItsOwnFreePlace) {
  for (int j = 0; j < 30; ++j) {
    EXPECT_FALSE(piles.TableSlots[j].Occupied) << j;
    EXPECT_EQ(piles.TablePile[j].Slot, j);
  }
  EXPECT_EQ(LowestFreeSlot(piles), 0);
}

}  // namespace
}  // namespace verlano
