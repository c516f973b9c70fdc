// The levels' ratings: in every variant each level rated above the one below
// it, Classic at 1500, and the nearest level to a rating the one whose own
// rating is nearest (the weaker where two are as near).

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

}  // namespace
}  // namespace verlano
