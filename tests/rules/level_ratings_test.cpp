// The levels' ratings: the all-pairs ladder's fits in every variant, each
// level rated above the one below it, Classic at 1500, and the nearest level
// to a rating the one whose own rating is nearest (the weaker where two are
// as near).

#include "rules/level_ratings.h"

#include <gtest/gtest.h>

namespace verlano {
namespace {

TEST(LevelRatings, EveryVariantRatesTheLevelsInTheirOrder) {
  for (const Variant variant :
       {Variant::Nine, Variant::Romane, Variant::Napoletane, Variant::UmbriaMarche}) {
    for (const bool extra : {false, true}) {
      EXPECT_EQ(LevelRating(PlayerLevel::Classic, variant, extra), kClassicRating);
      for (std::size_t i = 1; i < kLevelsWeakestFirst.size(); ++i) {
        const int below = LevelRating(kLevelsWeakestFirst[i - 1], variant, extra);
        const int above = LevelRating(kLevelsWeakestFirst[i], variant, extra);
        EXPECT_LT(below, above) << "level " << i << ", variant " << static_cast<int>(variant);
        const int middle = (below + above) / 2;
        EXPECT_EQ(NearestLevel(middle, variant, extra), kLevelsWeakestFirst[i - 1]);
        EXPECT_EQ(NearestLevel(middle + 1, variant, extra), kLevelsWeakestFirst[i]);
      }
    }
  }
}

// The fits of `verlano-sim ladder --variant V --matches 400 --seed 41`
// (Release), as the ladder printed them; the romane row's extra points are
// the romane-extra ladder's.
TEST(LevelRatings, TheRatingsAreTheAllPairsLaddersFits) {
  const struct {
    Variant variant;
    bool extra;
    std::array<int, 5> fits;
  } ladders[] = {
      {Variant::Nine, false, {1073, 1500, 1717, 1862, 2039}},
      {Variant::Romane, false, {1315, 1500, 1560, 1736, 1929}},
      {Variant::Romane, true, {1405, 1500, 1558, 1716, 1931}},
      {Variant::Napoletane, false, {943, 1500, 1607, 1797, 2005}},
      {Variant::UmbriaMarche, false, {1070, 1500, 1610, 1775, 1978}},
  };
  for (const auto& ladder : ladders) {
    for (std::size_t i = 0; i < kLevelsWeakestFirst.size(); ++i) {
      EXPECT_EQ(LevelRating(kLevelsWeakestFirst[i], ladder.variant, ladder.extra), ladder.fits[i])
          << "variant " << static_cast<int>(ladder.variant) << (ladder.extra ? " extra" : "")
          << ", level " << i;
    }
  }
  // The extra points belong to romane: every other variant's row is its own.
  EXPECT_EQ(LevelRating(PlayerLevel::Beginner, Variant::Nine, true), 1073);
}

}  // namespace
}  // namespace verlano
