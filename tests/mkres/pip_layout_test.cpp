#include <gtest/gtest.h>

#include <cmath>

#include "card_pip_layout.h"

namespace verlano::mkres {
namespace {

TEST(PipLayout, EachCountHasThatManySpotsAndOthersNone) {
  for (int count = 1; count <= 7; ++count) {
    EXPECT_EQ(PipSpots(count).size(), static_cast<std::size_t>(count)) << count;
  }
  EXPECT_TRUE(PipSpots(0).empty());
  EXPECT_TRUE(PipSpots(8).empty());
  EXPECT_TRUE(PipSpots(-1).empty());
}

// A printed card is symmetric left to right, and no two pips share a spot.
TEST(PipLayout, SpotsAreDistinctAndMirrorSymmetric) {
  for (int count = 1; count <= 7; ++count) {
    const auto spots = PipSpots(count);
    for (std::size_t i = 0; i < spots.size(); ++i) {
      bool mirrored = false;
      for (std::size_t j = 0; j < spots.size(); ++j) {
        if (i != j) {
          EXPECT_FALSE(spots[i].column == spots[j].column && spots[i].row == spots[j].row)
              << count << " pips: spot " << i << " repeats spot " << j;
        }
        mirrored |= spots[j].column == -spots[i].column && spots[j].row == spots[i].row;
      }
      EXPECT_TRUE(mirrored) << count << " pips: spot " << i << " has no mirror twin";
    }
  }
}

TEST(PipLayout, SpotsStayInsideThePipArea) {
  for (int count = 1; count <= 7; ++count) {
    for (const PipSpot& spot : PipSpots(count)) {
      EXPECT_LE(std::abs(spot.column), 1.0);
      EXPECT_LE(std::abs(spot.row), 1.0);
    }
  }
}

}  // namespace
}  // namespace verlano::mkres
