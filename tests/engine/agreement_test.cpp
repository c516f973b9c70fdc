// The engine against the game's own code, one randomized run per question;
// `verlano-sim agree` runs the same checks on far more positions.

#include "sim/agreement.h"

#include <gtest/gtest.h>

namespace verlano::sim {
namespace {

TEST(Agreement, EngineAndGameAgreeOnRandomPositions) {
  struct Run {
    const char* name;
    Agreement (*check)(std::uint64_t, long);
    long positions;
  };
  const Run runs[] = {{"captures", CheckCaptures, 4000},
                      {"scores", CheckScores, 4000},
                      {"classic", CheckClassic, 2000}};
  for (const Run& run : runs) {
    const Agreement result = run.check(20261207, run.positions);
    EXPECT_EQ(result.checked, run.positions) << run.name;
    EXPECT_EQ(result.disagreed, 0) << run.name << ": " << result.first;
  }
}

}  // namespace
}  // namespace verlano::sim
