// The ladder's rating fit recovers known ratings from results made to match
// them, with the anchor where it was put and intervals of the right width.

#include "sim/rating_fit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace verlano::sim {
namespace {

// The wins an Elo gap of `first - second` earns the first player in `matches`, rounded.
long ExpectedWins(double first, double second, long matches) {
  const double p = 1 / (1 + std::pow(10.0, (second - first) / 400));
  return std::lround(p * static_cast<double>(matches));
}

TEST(RatingFit, TwoPlayersMatchTheClosedForm) {
  const std::vector<PairResult> results = {
      {.first = 1, .second = 0, .firstWon = 640, .matches = 1000}};
  const std::vector<Rating> fitted = FitRatings(2, results, 0, 1500);
  const double expected = 1500 + 400 * std::log10(640.0 / 360.0);
  const double half = 1.96 / (std::log(10.0) / 400 * std::sqrt(1000 * 0.64 * 0.36));
  EXPECT_NEAR(fitted[1].value, expected, 1e-6);
  EXPECT_NEAR(fitted[1].low, expected - half, 1e-6);
  EXPECT_NEAR(fitted[1].high, expected + half, 1e-6);
  EXPECT_EQ(fitted[0].value, 1500);
  EXPECT_EQ(fitted[0].low, 1500);
  EXPECT_EQ(fitted[0].high, 1500);
}

TEST(RatingFit, RecoversKnownRatingsOfFivePlayers) {
  const std::vector<double> truth = {1050, 1500, 1720, 1900, 2010};
  for (const long matches : {400L, 100000L}) {
    std::vector<PairResult> results;
    for (int i = 0; i < 5; ++i) {
      for (int j = 0; j < i; ++j) {
        results.push_back({i, j, ExpectedWins(truth[i], truth[j], matches), matches});
      }
    }
    const std::vector<Rating> fitted = FitRatings(5, results, 1, 1500);
    // Rounding the wins moves a rating by at most a few points at 400 a pair.
    const double tolerance = matches == 400 ? 6 : 0.1;
    for (std::size_t i = 0; i < truth.size(); ++i) {
      EXPECT_NEAR(fitted[i].value, truth[i], tolerance) << i << " at " << matches;
      EXPECT_LE(fitted[i].low, fitted[i].value);
      EXPECT_GE(fitted[i].high, fitted[i].value);
      EXPECT_LT(fitted[i].high - fitted[i].low, matches == 400 ? 200 : 10) << i;
    }
    EXPECT_EQ(fitted[1].value, 1500);
  }
}

}  // namespace
}  // namespace verlano::sim
