#include "rules/level_ratings.h"

#include <cstdlib>

namespace verlano {

namespace {

static_assert(static_cast<std::size_t>(PlayerLevel::Master) + 1 == kLevelsWeakestFirst.size(),
              "a row of ratings is read by the level's place, weakest first");

// Beginner, Classic, Strong, Expert, Master: the ratings fitted to every
// pair's duel by the Release build's `verlano-sim ladder --variant V
// --matches 400 --seed 41 --threads T` (4,000 matches a variant, the same on
// any number of threads), Classic held at 1500; the README's "The all-pairs
// ladder at 400 matches a pair" has their intervals.
using Row = std::array<int, kLevelsWeakestFirst.size()>;
constexpr Row kNine = {1073, 1500, 1717, 1862, 2039};
constexpr Row kRomane = {1315, 1500, 1560, 1736, 1929};
constexpr Row kRomaneExtra = {1405, 1500, 1558, 1716, 1931};
constexpr Row kNapoletane = {943, 1500, 1607, 1797, 2005};
constexpr Row kUmbria = {1070, 1500, 1610, 1775, 1978};

const Row& RowOf(Variant variant, bool extraCoinPoints) {
  switch (variant) {
    case Variant::Nine:
      return kNine;
    case Variant::Romane:
      return extraCoinPoints ? kRomaneExtra : kRomane;
    case Variant::Napoletane:
      return kNapoletane;
    case Variant::UmbriaMarche:
      break;
  }
  return kUmbria;
}

}  // namespace

int LevelRating(PlayerLevel level, Variant variant, bool extraCoinPoints) {
  return RowOf(variant, extraCoinPoints)[static_cast<std::size_t>(level)];
}

PlayerLevel NearestLevel(int rating, Variant variant, bool extraCoinPoints) {
  PlayerLevel nearest = PlayerLevel::Classic;
  int gap = -1;
  for (const PlayerLevel level : kLevelsWeakestFirst) {
    const int d = std::abs(LevelRating(level, variant, extraCoinPoints) - rating);
    if (gap < 0 || d < gap) {
      nearest = level;
      gap = d;
    }
  }
  return nearest;
}

}  // namespace verlano
