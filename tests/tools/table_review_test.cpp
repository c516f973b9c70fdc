// The review at the table against the simulator's review of the same hand:
// whole hands of every rule set played through the game's frame loop, V on
// each score page laying the review over it, and every judgement of the
// player's plays the one `verlano-sim review` makes of the hand's record
// (the same plays, points given up and reasons), the costliest first; V
// again, or a click, closes it without dealing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/game_run.h"
#include "game/play_review.h"
#include "game/turn_pause.h"
#include "memory/match_record.h"
#include "rules/table_builder.h"
#include "sim/auto_player.h"
#include "sim/private_resources.h"
#include "memory/record_review.h"

namespace verlano::sim {
namespace {

void ExpectSameReview(const std::vector<ReviewedPlay>& table,
                      const std::vector<ReviewedPlay>& record, const std::string& where) {
  ASSERT_EQ(table.size(), record.size()) << where;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ReviewedPlay& a = table[i];
    const ReviewedPlay& b = record[i];
    EXPECT_EQ(a.play, b.play) << where;
    EXPECT_EQ(CardsOf(a.before, a.Made().move), CardsOf(b.before, b.Made().move)) << where;
    EXPECT_EQ(a.Made().givenUp, b.Made().givenUp) << where << " play " << a.play;
    EXPECT_EQ(a.Made().reason, b.Made().reason) << where << " play " << a.play;
    EXPECT_EQ(a.judged.size(), b.judged.size()) << where << " play " << a.play;
  }
}

// Steps one frame of `run` with the simulator's seat 0 at the mouse.
void Frame(GameRun& run, HeadlessPlatform& platform, AutoPlayer& player) {
  ASSERT_TRUE(player.Prepare(run.game, platform)) << player.Problem();
  if (platform.InputIdle()) {
    platform.SkipFrames(
        QuietPauseFrames(run.game, platform.TickCount(), HeadlessPlatform::kFrameMs));
  }
  GameFrame(run);
}

TEST(TableReview, EachHandsReviewIsTheRecordsReviewAndVOpensAndClosesIt) {
  const std::string archive = std::filesystem::path(VERLANO_SIM_PATH).parent_path().string();
  for (const test::RuleSet& rules : test::kRuleSets) {
    PrivateResources resources(archive);
    ASSERT_EQ(resources.Error(), "");
    HeadlessPlatform platform;
    const Options options = test::OptionsOf(rules);
    GameRun run(options, 5, platform, resources.Folder());
    ASSERT_TRUE(StartRun(run)) << platform.ShutDownMessage();
    AutoPlayer player(false);
    for (int hand = 1; hand <= 2; ++hand) {
      const std::string where = std::string(rules.name) + " hand " + std::to_string(hand);
      for (long frame = 0; frame < 2'000'000 && run.game.turn.GameState != PlayState::HandOver;
           ++frame) {
        Frame(run, platform, player);
        if (::testing::Test::HasFatalFailure()) return;
      }
      ASSERT_EQ(run.game.turn.GameState, PlayState::HandOver) << where;
      // V lays the review over the page; a run on the fake clock waits for it.
      platform.SetButton(kMouseLeft, false);
      platform.SetButton(kMouseRight, false);
      platform.TapKey(kKeyV);
      GameFrame(run);
      ASSERT_TRUE(run.handEnd.ReviewOpen) << where;
      ASSERT_TRUE(run.review.Ready()) << where;
      engine::Judge judge;
      RecordReview record;
      ASSERT_EQ(ReviewRecord(MatchRecord{options, {RecordHand(run.game)}}, 0, judge, record), "")
          << where;
      ASSERT_EQ(record.hands.size(), 1u) << where;
      ExpectSameReview(run.review.Plays(), record.hands[0].plays, where);
      EXPECT_EQ(ReviewSheetOf(run.review).Rows.size(), record.hands[0].plays.size()) << where;
      EXPECT_EQ(run.review.HandsReviewed(), hand) << where;
      // Closed by V on the first hand, by a click on the second: neither deals.
      GameFrame(run);  // V let go
      if (hand == 1) {
        platform.TapKey(kKeyV);
      } else {
        platform.SetMouse(400, 300);
        platform.SetButton(kMouseLeft, true);
      }
      GameFrame(run);
      platform.SetButton(kMouseLeft, false);
      EXPECT_FALSE(run.handEnd.ReviewOpen) << where;
      EXPECT_EQ(run.game.turn.GameState, PlayState::HandOver) << where << ": it dealt";
      Frame(run, platform, player);  // the page clicked away: the next deal
    }
    QuitGame(run);
  }
}

}  // namespace
}  // namespace verlano::sim
