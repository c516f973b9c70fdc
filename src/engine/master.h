#pragma once
// The master player: the expert's search on what its seat has seen, then a
// second round that spends most of its deals on the few plays the first
// round liked best. A close call between two good plays is where the expert
// errs most, and deals spent there buy more strength than deals spread over
// plays already seen to be poor.

#include <cstdint>
#include <vector>

#include "engine/classic_policy.h"
#include "engine/playout.h"
#include "engine/position.h"

namespace verlano::engine {

struct MasterSettings {
  int maxCandidates = 12;  // plays tried in the first round, the classic player's best first
  RoundSize first{.deals = 100, .minDeals = 8, .workBudget = 800000};
  int finalists = 3;  // plays carried into the second round
  RoundSize second{.deals = 300, .minDeals = 16, .workBudget = 1600000};
};

class MasterPlayer {
 public:
  explicit MasterPlayer(MasterSettings settings = {});

  // The play for the seat to play; the same seed and the same view of the
  // position give the same play, whatever the other seats hold.
  Move Choose(const Position& position, std::uint64_t seed);

 private:
  // Moves the `finalists` best plays of the first round to the front, best
  // first (ties in the classic player's order), with their totals.
  void KeepFinalists();

  MasterSettings settings_;
  std::vector<ScoredMove> plays_;
  std::vector<long> totals_;
  std::vector<std::size_t> order_;
  std::vector<ScoredMove> finalPlays_;
  std::vector<long> finalTotals_;
};

}  // namespace verlano::engine
