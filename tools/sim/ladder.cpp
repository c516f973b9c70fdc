#include "sim/ladder.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "sim/rating_fit.h"

namespace verlano::sim {

namespace {

constexpr auto kLevelCount = static_cast<int>(engine::kLevels.size());

int IndexOf(engine::Level level) {
  return static_cast<int>(level);
}

}  // namespace

std::vector<LadderDuel> RunLadder(const DuelConfig& base) {
  std::vector<LadderDuel> duels;
  for (const engine::Level them : engine::kLevels) {
    for (const engine::Level us : engine::kLevels) {
      if (IndexOf(us) <= IndexOf(them)) continue;
      DuelConfig config = base;
      config.us = us;
      config.them = them;
      duels.push_back({config, RunDuel(config)});
    }
  }
  return duels;
}

void PrintLadder(const std::vector<LadderDuel>& duels, std::ostream& out) {
  std::vector<PairResult> results;
  std::vector<long> played(engine::kLevels.size(), 0);
  std::vector<std::vector<double>> times(engine::kLevels.size());
  for (const auto& [config, result] : duels) {
    results.push_back({IndexOf(config.us), IndexOf(config.them), result.won, config.matches});
    const std::array<engine::Level, 2> sides = {config.us, config.them};
    for (std::size_t side = 0; side < 2; ++side) {
      const auto level = static_cast<std::size_t>(sides[side]);
      played[level] += config.matches;
      times[level].insert(times[level].end(), result.decisionMs[side].begin(),
                          result.decisionMs[side].end());
    }
  }
  const std::vector<Rating> ratings =
      FitRatings(kLevelCount, results, IndexOf(engine::Level::Classic), kClassicRating);
  const std::string& variant = duels.front().config.variantName;
  for (const engine::Level level : engine::kLevels) {
    const auto i = static_cast<std::size_t>(level);
    std::array<char, 200> line{};
    std::snprintf(line.data(), line.size(),
                  "ladder variant %s level %s rating %.0f interval %.0f-%.0f matches %ld",
                  variant.c_str(), std::string(engine::NameOf(level)).c_str(), ratings[i].value,
                  ratings[i].low, ratings[i].high, played[i]);
    out << line.data() << '\n';
  }
  for (const LadderDuel& duel : duels) out << DuelSummary(duel.config, duel.result) << '\n';
  for (const engine::Level level : engine::kLevels) {
    std::vector<double>& spread = times[static_cast<std::size_t>(level)];
    if (spread.empty()) continue;
    std::sort(spread.begin(), spread.end());
    out << "ladder variant " << variant << DecisionSpread(level, spread) << '\n';
  }
}

}  // namespace verlano::sim
