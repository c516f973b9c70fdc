#pragma once
// `verlano-sim ladder`: every pair of levels plays a duel of the same number
// of matches on the same seeds (sides swapped every other match), and one
// Elo-style rating per level is fitted to all the results, Classic fixed at
// 1500, so that the levels' strengths read on one scale with their intervals.

#include <iosfwd>
#include <vector>

#include "sim/duel.h"

namespace verlano::sim {

inline constexpr double kClassicRating = 1500;

// Each pair of levels, the stronger-named one as --us, with its duel.
struct LadderDuel {
  DuelConfig config;
  DuelResult result;
};

// `base` gives the variant, the matches a pair, the seed, the threads and the expert's search.
std::vector<LadderDuel> RunLadder(const DuelConfig& base);

// One line a level, "ladder variant V level L rating R interval LO-HI matches N",
// then each pair's duel summary and each searching level's decision times.
void PrintLadder(const std::vector<LadderDuel>& duels, std::ostream& out);

}  // namespace verlano::sim
