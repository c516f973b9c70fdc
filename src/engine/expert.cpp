#include "engine/expert.h"

#include <algorithm>

#include "engine/playout.h"

namespace verlano::engine {

ExpertPlayer::ExpertPlayer(ExpertSettings settings) : settings_(settings) {
  totals_.reserve(static_cast<std::size_t>(settings_.maxCandidates));
}

Move ExpertPlayer::Choose(const Position& position, std::uint64_t seed) {
  const Position seen = SeenBy(position);
  if (!StartSearch(seen, settings_.maxCandidates, candidates_, totals_)) {
    return candidates_.front().move;
  }
  Random rng(seed);
  SearchRound(seen, candidates_,
              {.deals = settings_.samples,
               .minDeals = settings_.minSamples,
               .workBudget = settings_.workBudget},
              rng, totals_);
  // The first best: on equal totals the classic player's preference stands.
  const auto bestIndex =
      static_cast<std::size_t>(std::max_element(totals_.begin(), totals_.end()) - totals_.begin());
  return candidates_[bestIndex].move;
}

}  // namespace verlano::engine
