#include "rules/level_ratings.h"

#include <cstdlib>

namespace verlano {

namespace {

static_assert(static_cast<std::size_t>(PlayerLevel::Master) + 1 == kLevelsWeakestFirst.size(),
              "a row of ratings is read by the level's place, weakest first");

// Beginner, Classic, Strong, Expert, Master, rounded to tens: each level's
// step over the one below it chained from Classic, the step's Elo gap from a
// 400-match `verlano-sim duel --variant V --matches 400 --seed 31 --us UPPER
// --them LOWER --threads 1` (the Master's at --seed 2026); the README's
// "Levels and the ladder" has the duels.
using Row = std::array<int, kLevelsWeakestFirst.size()>;
constexpr Row kNine = {1070, 1500, 1660, 1800, 1970};
constexpr Row kRomane = {1120, 1500, 1600, 1750, 1920};
constexpr Row kRomaneExtra = {1250, 1500, 1580, 1740, 1930};
constexpr Row kNapoletane = {840, 1500, 1610, 1750, 1930};
constexpr Row kUmbria = {880, 1500, 1590, 1720, 1880};

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
