#pragma once
// The expert player: determinized Monte Carlo over what its seat has seen.
// It keeps only the seat's own hand, the table, the cards gone and how many
// cards each other seat holds, deals the unseen cards to the other seats at
// random a number of times, plays each candidate play out to the end of the
// hand in every such deal with the classic player at all four seats, and
// picks the play with the best mean of its side's hand points minus the other
// side's. Every candidate meets the same deals, so their comparison is not
// blurred by the luck of the deal.

#include <cstdint>
#include <vector>

#include "engine/classic_policy.h"
#include "engine/position.h"

namespace verlano::engine {

struct ExpertSettings {
  int samples = 48;        // deals of the unseen cards per decision, at most
  int maxCandidates = 12;  // plays tried, the classic player's best first
  // Plays the playouts may weigh before the decision stops dealing (after at
  // least `minSamples` deals): a table of many small cards makes every playout
  // dearer, and this keeps such a decision within its time.
  long workBudget = 400000;
  int minSamples = 8;
};

class ExpertPlayer {
 public:
  explicit ExpertPlayer(ExpertSettings settings = {});

  // The play for the seat to play; the same seed and the same view of the
  // position give the same play, whatever the other seats hold.
  Move Choose(const Position& position, std::uint64_t seed);

 private:
  ExpertSettings settings_;
  std::vector<ScoredMove> candidates_;
  std::vector<long> totals_;
};

}  // namespace verlano::engine
