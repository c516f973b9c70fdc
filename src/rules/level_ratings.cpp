#include "rules/level_ratings.h"

#include <cstdlib>

namespace verlano {

namespace {

static_assert(static_cast<std::size_t>(PlayerLevel::Master) + 1 == kLevelsWeakestFirst.size(),
              "a row of ratings is read by the level's place, weakest first");

// Beginner, Classic, Strong, Expert, Master, rounded to tens; measured with
// `verlano-sim ladder --variant V --matches 400 --seed 2028 --threads 1`
// (the README's "Levels and the ladder" has the whole tables).
using Row = std::array<int, kLevelsWeakestFirst.size()>;
constexpr Row kNine = {1030, 1500, 1810, 1950, 2210};
constexpr Row kRomane = {1320, 1500, 1570, 1680, 1890};
constexpr Row kRomaneExtra = {1400, 1500, 1590, 1690, 1890};
constexpr Row kNapoletane = {1120, 1500, 1750, 1810, 2000};
constexpr Row kUmbria = {1120, 1500, 1750, 1810, 2000};

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
