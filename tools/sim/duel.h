#pragma once
// `verlano-sim duel`: whole matches on the compact engine between two
// levels of player, the --us level at seats 0 and 2 in even matches and at
// seats 1 and 3 in odd ones, spread over threads. Every match is seeded from
// the run's seed and its number alone, so the totals do not depend on the
// threads. The searching levels' decision times are kept to report their spread.

#include <array>
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
  // Each decision of a searching level in milliseconds: the --us level's, then the --them level's.
  std::array<std::vector<double>, 2> decisionMs;
};

DuelResult RunDuel(const DuelConfig& config);

// "duel variant V us L them L matches N won W lost L rate R% ci LO-HI% points U/T matches/s X".
std::string DuelSummary(const DuelConfig& config, const DuelResult& result);

// The summary line, then a line of hands played, hands a second and the
// decision times of each level that searches.
void PrintDuel(const DuelConfig& config, const DuelResult& result, std::ostream& out);

// " LEVEL decisions N mean ... median ... p99 ... worst ..." of non-empty sorted times.
std::string DecisionSpread(engine::Level level, const std::vector<double>& sorted);

// The 95% Wilson interval of `won` out of `total`, as fractions.
std::pair<double, double> WilsonInterval(long won, long total);

}  // namespace verlano::sim
