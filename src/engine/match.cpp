#include "engine/match.h"

#include <ctime>

#include "engine/classic_policy.h"
#include "engine/deal_position.h"
#include "engine/hand_score.h"
#include "rules/scoring.h"

namespace verlano::engine {

std::uint64_t MixSeed(std::uint64_t z) {
  z += 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

MatchOutcome PlayMatch(const EngineRules& rules, std::uint64_t seed,
                       const std::array<Level, 2>& levelBySide, const ExpertSettings& settings,
                       DecisionTimes* decisionMs) {
  Random rng(seed);
  std::array<LevelPlayer, 2> players = {LevelPlayer(levelBySide[0], settings),
                                        LevelPlayer(levelBySide[1], settings)};
  std::uint64_t decision = MixSeed(seed);
  MatchOutcome outcome;
  int leader = rng.Below(kSeats);
  while (true) {
    Position p = DealPosition(rules, leader, rng);
    while (!p.HandOver()) {
      const int side = SideOf(p.toPlay);
      LevelPlayer& player = players[static_cast<std::size_t>(side)];
      if (!player.Searches()) {
        ApplyMove(p, ClassicMove(p).move);
        continue;
      }
      const double start = ThreadCpuMs();
      const Move move = player.Choose(p, decision = MixSeed(decision));
      if (decisionMs != nullptr)
        (*decisionMs)[static_cast<std::size_t>(side)].push_back(ThreadCpuMs() - start);
      ApplyMove(p, move);
    }
    const HandScore score = ScorePosition(p);
    outcome.points[0] += score.We.Total;
    outcome.points[1] += score.They.Total;
    ++outcome.hands;
    const MatchResult result =
        MatchResultOf(outcome.points[0], outcome.points[1], rules.matchTarget);
    if (result == MatchResult::Won || result == MatchResult::Lost) {
      outcome.winnerSide = result == MatchResult::Won ? 0 : 1;
      return outcome;
    }
    leader = (leader + 1) % kSeats;
  }
}

}  // namespace verlano::engine
