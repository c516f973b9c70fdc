#pragma once
// A whole match on the engine: hands dealt as the game deals them (the first
// leader at random, then the next seat each hand), each side played by a
// level of the ladder, until a side passes the target with more
// points than the other (a tie above the target plays on, as in the game).

#include <array>
#include <cstdint>
#include <vector>

#include "engine/engine_rules.h"
#include "engine/expert.h"
#include "engine/level.h"

namespace verlano::engine {

struct MatchOutcome {
  int winnerSide = 0;  // 0 WE (seats 0 and 2), 1 THEY
  int hands = 0;
  std::array<int, 2> points{};  // hand points summed over the match, by side
};

// The CPU time of each decision of a searching level on its thread, in
// milliseconds, by side.
using DecisionTimes = std::array<std::vector<double>, 2>;

// `expert` is the Expert level's search; `decisionMs`, when given, gets the times.
MatchOutcome PlayMatch(const EngineRules& rules, std::uint64_t seed,
                       const std::array<Level, 2>& levelBySide, const ExpertSettings& expert,
                       DecisionTimes* decisionMs = nullptr);

// The CPU time this thread has used, in milliseconds: a search's cost,
// whatever else the machine is running (a wall clock would count the waits
// of a busy machine).
double ThreadCpuMs();

// A well-mixed 64-bit number from another (SplitMix64's finaliser): seeds of
// neighbouring matches and decisions share nothing.
std::uint64_t MixSeed(std::uint64_t value);

}  // namespace verlano::engine
