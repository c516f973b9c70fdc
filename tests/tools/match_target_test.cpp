// Every match of a variant is played to the variant's target and shows it on
// its score page: the first match of a run, the one dealt after its last
// hand, and a match continued from a kept file written and loaded.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/quiet_moment.h"
#include "game/turn_pause.h"
#include "memory/match_file.h"
#include "memory/records.h"
#include "render/score_page.h"
#include "rules/table_builder.h"
#include "sim/auto_player.h"
#include "sim/kept_reload.h"
#include "sim/private_resources.h"

namespace verlano::sim {
namespace {

std::string ArchiveFolder() {
  return std::filesystem::path(VERLANO_SIM_PATH).parent_path().string();
}

// What one match's deciding score page showed.
struct MatchEnd {
  int target;
  std::string targetRow;
};

// Plays `matches` matches with the simulator's seat 0; at the first quiet
// moment of play in the match numbered `keptMatch` (from 0) the match is
// written as the game keeps it and played on from the file.
std::vector<MatchEnd> PlayMatches(const Options& options, int matches, int keptMatch) {
  PrivateResources resources(ArchiveFolder());
  EXPECT_EQ(resources.Error(), "");
  HeadlessPlatform platform;
  GameRun run(options, 17, platform, resources.Folder());
  std::vector<MatchEnd> ends;
  if (!StartRun(run)) {
    ADD_FAILURE() << platform.ShutDownMessage();
    return ends;
  }
  AutoPlayer player(false);
  bool kept = false;
  PlayState last = run.game.turn.GameState;
  for (long frame = 0; frame < 20'000'000 && static_cast<int>(ends.size()) < matches; ++frame) {
    if (!player.Prepare(run.game, platform)) {
      ADD_FAILURE() << player.Problem();
      break;
    }
    if (platform.InputIdle()) {
      // Frames of a pause change nothing but the clock: skipped, as the simulator does.
      platform.SkipFrames(
          QuietPauseFrames(run.game, platform.TickCount(), HeadlessPlatform::kFrameMs));
    }
    GameFrame(run);
    const Game& game = run.game;
    const PlayState now = game.turn.GameState;
    if (now == PlayState::HandOver && last != PlayState::HandOver && game.match.MatchOver) {
      const std::vector<TextRow> rows = ScorePageRows(game);
      ends.push_back({game.match.MatchTarget, rows.back().Text});
    }
    if (!kept && static_cast<int>(ends.size()) == keptMatch && now != PlayState::HandOver &&
        IsQuietMoment(game)) {
      kept = true;
      try {
        ReloadKeptMatch(run, WriteMatch(run.game));
      } catch (const RecordError& e) {
        ADD_FAILURE() << "the kept match is refused: " << e.what();
        break;
      }
    }
    last = now;
  }
  EXPECT_TRUE(kept || keptMatch >= matches);
  QuitGame(run);
  return ends;
}

TEST(MatchTarget, EveryMatchOfAVariantFirstNextAndContinuedHasTheVariantsTarget) {
  for (const test::RuleSet& rules : test::kRuleSets) {
    const Options options = test::OptionsOf(rules);
    const int target = RulesFor(options.variant, options.extraCoinPoints).MatchTarget;
    const std::string row = "Target: over " + std::to_string(target);
    // Two matches in a row, the second one continued from its kept file.
    const std::vector<MatchEnd> ends = PlayMatches(options, 2, 1);
    ASSERT_EQ(ends.size(), 2u) << rules.name;
    for (std::size_t m = 0; m < ends.size(); ++m) {
      EXPECT_EQ(ends[m].target, target) << rules.name << " match " << m + 1;
      EXPECT_EQ(ends[m].targetRow, row) << rules.name << " match " << m + 1;
    }
  }
}

}  // namespace
}  // namespace verlano::sim
