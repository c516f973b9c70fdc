// Duels: the totals depend on the seed and not on the threads, and a bad
// command line is refused with a one-line reason.

#include "sim/duel.h"

#include <gtest/gtest.h>

#include <sstream>

#include "sim/engine_commands.h"

namespace verlano::sim {
namespace {

TEST(Duel, SameSeedSameResultOnAnyNumberOfThreads) {
  DuelConfig config;
  config.variantName = "romane";
  config.rules = engine::RulesOf(RulesFor(Variant::Romane, false));
  config.matches = 10;
  config.seed = 9;
  config.them = engine::Level::Expert;
  config.expert = engine::ExpertSettings{.samples = 2, .maxCandidates = 3};
  config.threads = 1;
  const DuelResult one = RunDuel(config);
  config.threads = 3;
  const DuelResult three = RunDuel(config);
  EXPECT_EQ(one.won, three.won);
  EXPECT_EQ(one.hands, three.hands);
  EXPECT_EQ(one.usPoints, three.usPoints);
  EXPECT_EQ(one.themPoints, three.themPoints);
  EXPECT_EQ(one.decisionMs[0].size(), three.decisionMs[0].size());
  EXPECT_EQ(one.decisionMs[1].size(), three.decisionMs[1].size());
}

TEST(Duel, WilsonIntervalAndCommandLine) {
  const auto [low, high] = WilsonInterval(60, 100);
  EXPECT_NEAR(low, 0.5020, 1e-4);
  EXPECT_NEAR(high, 0.6906, 1e-4);
  const std::vector<std::vector<std::string>> bad = {
      {"duel", "--variant", "nine", "--matches", "0", "--seed", "1", "--us", "classic", "--them",
       "classic"},
      {"duel", "--variant", "ten", "--matches", "1", "--seed", "1", "--us", "classic", "--them",
       "classic"},
      {"duel", "--variant", "nine", "--matches", "1", "--seed", "1", "--us", "grandmaster",
       "--them", "classic"},
      {"ladder", "--variant", "nine", "--matches", "1", "--seed", "1", "--us", "classic"},
      {"duel", "--variant", "nine", "--matches", "1", "--seed", "1", "--us", "classic"},
      {"agree", "--positions", "5", "--seed"},
  };
  for (const auto& args : bad) {
    std::ostringstream out, err;
    EXPECT_EQ(RunEngineCommand(args, out, err), 2) << args[2];
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("verlano-sim " + args[0] + ": "), std::string::npos) << err.str();
  }
  std::ostringstream out, err;
  ASSERT_EQ(RunEngineCommand({"duel", "--variant", "nine", "--matches", "2", "--seed", "1", "--us",
                              "Beginner", "--them", "classic"},
                             out, err),
            0);
  EXPECT_EQ(out.str().rfind("duel variant nine us beginner them classic matches 2 won ", 0), 0u)
      << out.str();
  EXPECT_NE(out.str().find(" beginner decisions "), std::string::npos) << out.str();
}

}  // namespace
}  // namespace verlano::sim
