#pragma once
// `verlano-sim duel`: whole matches on the compact engine between two
// levels of player, the --us level at seats 0 and 2 in even matches and at
// seats 1 and 3 in odd ones, spread over threads. Every match is seeded from
// the run's seed and its number alone, so the totals do not depend on the
// threads. The expert's decision times are kept to report their spread.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/engine_rules.h"
#include "engine/expert.h"
#include "engine/match.h"

namespace verlano::sim {

struct DuelConfig {
  std::string variantName;
  engine::EngineRules rules;
  long matches = 0;
  std::uint64_t seed = 0;
  engine::Level us = engine::Level::Classic;
  engine::Level them = engine::Level::Classic;
  engine::ExpertSettings expert;
  int threads = 0;  // 0: one per core
};

struct DuelResult {
  long won = 0;  // matches won by the --us level
  long hands = 0;
  long usPoints = 0;
  long themPoints = 0;
  double seconds = 0;
  std::vector<double> decisionMs;  // each expert decision, in milliseconds
};

DuelResult RunDuel(const DuelConfig& config);

// The summary line, then a line of hands played, hands a second and (when an
// expert played) its decision times.
void PrintDuel(const DuelConfig& config, const DuelResult& result, std::ostream& out);

// The 95% Wilson interval of `won` out of `total`, as fractions.
std::pair<double, double> WilsonInterval(long won, long total);

}  // namespace verlano::sim
