#include "memory/player_rating.h"

#include <algorithm>
#include <cmath>

#include "rules/level_ratings.h"

namespace verlano {

namespace {

constexpr int kSettledAfter = 10;  // matches
constexpr double kNewK = 64;
constexpr double kSettledK = 32;

int RatingOfLevel(PlayerLevel level, const Options& options) {
  return LevelRating(level, options.variant, options.extraCoinPoints);
}

}  // namespace

double ExpectedScore(int rating, const Options& options) {
  const double ours = (rating + RatingOfLevel(options.partner, options)) / 2.0;
  const double theirs = RatingOfLevel(options.opponents, options);
  return 1.0 / (1.0 + std::pow(10.0, (theirs - ours) / 400.0));
}

void RateMatch(Statistics& stats, const Options& options, bool won) {
  PlayerRating& r =
      stats.ratings.try_emplace(RatingKey(options), PlayerRating{kClassicRating, 0}).first->second;
  const double k = r.matches < kSettledAfter ? kNewK : kSettledK;
  const double moved = r.rating + k * ((won ? 1.0 : 0.0) - ExpectedScore(r.rating, options));
  r.rating = std::clamp(static_cast<int>(std::lround(moved)), kLowestRating, kHighestRating);
  if (r.matches < kMostCounted) r.matches += 1;
}

std::optional<PlayerRating> RatingOf(const Statistics& stats, const Options& options) {
  const auto it = stats.ratings.find(RatingKey(options));
  if (it == stats.ratings.end()) return std::nullopt;
  return it->second;
}

PlayerLevel LevelNearPlayer(const Statistics& stats, const Options& options) {
  const std::optional<PlayerRating> rating = RatingOf(stats, options);
  if (!rating) return PlayerLevel::Classic;
  return NearestLevel(rating->rating, options.variant, options.extraCoinPoints);
}

}  // namespace verlano
