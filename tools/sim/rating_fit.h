#pragma once
// Elo-style ratings fitted to match results: player i beats player j with
// chance 1 / (1 + 10^((Rj - Ri) / 400)), and the ratings are those that make
// the results seen most likely, one player held at a fixed rating. Each
// rating's 95% interval comes from the curvature of the likelihood there.

#include <span>
#include <vector>

namespace verlano::sim {

// The matches between two players and how many the first won.
struct PairResult {
  int first = 0;
  int second = 0;
  long firstWon = 0;
  long matches = 0;
};

struct Rating {
  double value = 0;
  double low = 0;  // the 95% interval
  double high = 0;
};

// The ratings of `players` players from `results`, player `anchor` fixed at
// `anchorRating` (its interval is that one point). Every player must be linked
// to the anchor by results both won and lost, or its rating has no finite best.
std::vector<Rating> FitRatings(int players, std::span<const PairResult> results, int anchor,
                               double anchorRating);

}  // namespace verlano::sim
