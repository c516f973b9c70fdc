#include "engine/master.h"

#include <algorithm>
#include <numeric>

namespace verlano::engine {

MasterPlayer::MasterPlayer(MasterSettings settings) : settings_(settings) {
  const auto candidates = static_cast<std::size_t>(settings_.maxCandidates);
  totals_.reserve(candidates);
  order_.reserve(candidates);
  finalPlays_.reserve(candidates);
  finalTotals_.reserve(candidates);
}

void MasterPlayer::KeepFinalists() {
  order_.resize(totals_.size());
  std::iota(order_.begin(), order_.end(), std::size_t{0});
  std::stable_sort(order_.begin(), order_.end(),
                   [this](std::size_t a, std::size_t b) { return totals_[a] > totals_[b]; });
  order_.resize(std::min(order_.size(), static_cast<std::size_t>(settings_.finalists)));
  finalPlays_.clear();
  finalTotals_.clear();
  for (const std::size_t index : order_) {
    finalPlays_.push_back(plays_[index]);
    finalTotals_.push_back(totals_[index]);
  }
}

Move MasterPlayer::Choose(const Position& position, std::uint64_t seed) {
  const Position seen = SeenBy(position);
  if (!StartSearch(seen, settings_.maxCandidates, plays_, totals_)) return plays_.front().move;
  Random rng(seed);
  SearchRound(seen, plays_, settings_.first, rng, totals_);
  KeepFinalists();
  SearchRound(seen, finalPlays_, settings_.second, rng, finalTotals_);
  const auto best = std::max_element(finalTotals_.begin(), finalTotals_.end());
  return finalPlays_[static_cast<std::size_t>(best - finalTotals_.begin())].move;
}

}  // namespace verlano::engine
