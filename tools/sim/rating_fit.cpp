#include "sim/rating_fit.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace verlano::sim {

namespace {

using Matrix = std::vector<std::vector<double>>;

// Natural-log units per rating point.
const double kScale = std::log(10.0) / 400.0;
constexpr int kMostSteps = 100;
constexpr double kLargestStep = 400;  // keeps the first steps from a flat start in bounds

// Solves `a x = b` by elimination with partial pivoting; `a` is positive definite here.
std::vector<double> Solve(Matrix a, std::vector<double> b) {
  const std::size_t n = b.size();
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t row = col + 1; row < n; ++row) {
      if (std::abs(a[row][col]) > std::abs(a[pivot][col])) pivot = row;
    }
    std::swap(a[col], a[pivot]);
    std::swap(b[col], b[pivot]);
    for (std::size_t row = col + 1; row < n; ++row) {
      const double factor = a[row][col] / a[col][col];
      for (std::size_t k = col; k < n; ++k) a[row][k] -= factor * a[col][k];
      b[row] -= factor * b[col];
    }
  }
  std::vector<double> x(n);
  for (std::size_t row = n; row-- > 0;) {
    double sum = b[row];
    for (std::size_t k = row + 1; k < n; ++k) sum -= a[row][k] * x[k];
    x[row] = sum / a[row][row];
  }
  return x;
}

// The log-likelihood's gradient and its negated second derivatives (the
// information) over every player, in rating points.
struct Slope {
  std::vector<double> gradient;
  Matrix information;
};

Slope SlopeAt(const std::vector<double>& ratings, std::span<const PairResult> results) {
  const std::size_t n = ratings.size();
  Slope s{std::vector<double>(n, 0.0), Matrix(n, std::vector<double>(n, 0.0))};
  for (const PairResult& r : results) {
    const auto i = static_cast<std::size_t>(r.first);
    const auto j = static_cast<std::size_t>(r.second);
    const double p = 1 / (1 + std::exp(kScale * (ratings[j] - ratings[i])));
    const double games = static_cast<double>(r.matches);
    const double surplus = kScale * (static_cast<double>(r.firstWon) - games * p);
    s.gradient[i] += surplus;
    s.gradient[j] -= surplus;
    const double curve = kScale * kScale * games * p * (1 - p);
    s.information[i][i] += curve;
    s.information[j][j] += curve;
    s.information[i][j] -= curve;
    s.information[j][i] -= curve;
  }
  return s;
}

// The same without the anchor's row and column.
Slope Free(const Slope& all, std::size_t anchor) {
  Slope free;
  for (std::size_t i = 0; i < all.gradient.size(); ++i) {
    if (i == anchor) continue;
    free.gradient.push_back(all.gradient[i]);
    free.information.emplace_back();
    for (std::size_t j = 0; j < all.gradient.size(); ++j) {
      if (j != anchor) free.information.back().push_back(all.information[i][j]);
    }
  }
  return free;
}

}  // namespace

std::vector<Rating> FitRatings(int players, std::span<const PairResult> results, int anchor,
                               double anchorRating) {
  const auto n = static_cast<std::size_t>(players);
  const auto fixed = static_cast<std::size_t>(anchor);
  std::vector<double> ratings(n, anchorRating);
  Slope free;
  for (int step = 0; step < kMostSteps; ++step) {
    free = Free(SlopeAt(ratings, results), fixed);
    const std::vector<double> move = Solve(free.information, free.gradient);
    double largest = 0;
    for (const double m : move) largest = std::max(largest, std::abs(m));
    const double shrink = largest > kLargestStep ? kLargestStep / largest : 1;
    for (std::size_t i = 0, k = 0; i < n; ++i) {
      if (i != fixed) ratings[i] += shrink * move[k++];
    }
    if (largest < 1e-9) break;
  }
  free = Free(SlopeAt(ratings, results), fixed);
  std::vector<Rating> fitted(n);
  for (std::size_t i = 0, k = 0; i < n; ++i) {
    fitted[i] = {ratings[i], ratings[i], ratings[i]};
    if (i == fixed) continue;
    // The variance of one rating: its entry of the inverse information.
    std::vector<double> unit(n - 1, 0.0);
    unit[k] = 1;
    const double half = 1.96 * std::sqrt(Solve(free.information, unit)[k]);
    fitted[i].low = ratings[i] - half;
    fitted[i].high = ratings[i] + half;
    ++k;
  }
  return fitted;
}

}  // namespace verlano::sim
