// The end of each hand: match totals, the score page's history, the won /
// lost / tie-above-target decision with its sound, and what the next deal
// restarts after a decided match or a tie.

#include <gtest/gtest.h>

#include <vector>

#include "rules/table_builder.h"

namespace verlano {
namespace {

using test::RecordingSound;

class MatchTest : public ::testing::Test {
 protected:
  void Start(const Options& options) {
    game = test::DealtGame(options, &sound);
    SetMatchTarget(*game);
    sound.slots.clear();
  }

  // Ends a hand in which the sides scored these totals.
  void EndHand(int we, int they) {
    game->score.We.Total = we;
    game->score.They.Total = they;
    RecordHandScore(*game);
  }

  MatchState& Match() { return game->match; }

  void ExpectMatch(int ourTotal, int theirTotal, int historyRows) {
    EXPECT_EQ(Match().OurMatchTotal, ourTotal);
    EXPECT_EQ(Match().TheirMatchTotal, theirTotal);
    EXPECT_EQ(Match().HistoryCount, historyRows);
  }

  RecordingSound sound;
  std::unique_ptr<Game> game;
};

class MatchTargetTest : public MatchTest,
                        public ::testing::WithParamInterface<test::RuleSetCase> {};

TEST_P(MatchTargetTest, FirstMatchRunsToTheVariantsTarget) {
  Start(test::OptionsOf(GetParam().rules));
  EXPECT_EQ(Match().MatchTarget, GetParam().expected);
}

// A decided match restarts from nothing, to the same target as the first one.
TEST_P(MatchTargetTest, NextDealAfterADecidedMatchStartsANewMatch) {
  for (bool won : {true, false}) {
    Start(test::OptionsOf(GetParam().rules));
    const int target = Match().MatchTarget;
    EndHand(won ? target + 1 : 0, won ? 0 : target + 1);
    ASSERT_TRUE(Match().MatchOver);
    DealHand(*game);
    EXPECT_FALSE(Match().MatchOver);
    EXPECT_EQ(Match().Result, won ? MatchResult::Won : MatchResult::Lost)
        << "the result stays until the new match's first hand ends";
    ExpectMatch(0, 0, 0);
    EXPECT_EQ(Match().MatchTarget, GetParam().expected);
    EndHand(1, 2);
    EXPECT_EQ(Match().Result, MatchResult::None);
  }
}

INSTANTIATE_TEST_SUITE_P(AllRuleSets, MatchTargetTest,
                         ::testing::ValuesIn(test::PerRuleSet({20, 40, 40, 20, 20})),
                         test::RuleSetName);

struct OutcomeCase {
  int we, they;
  MatchResult result;
  int sound;
  bool over;
};

class OutcomeTest : public MatchTest, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(OutcomeTest, DecidesTheMatchAtTargetTwenty) {
  const OutcomeCase& c = GetParam();
  Start(Options{});
  ASSERT_EQ(Match().MatchTarget, 20);
  // Reach the totals over two hands, so that the decision reads the match totals.
  EndHand(c.we / 2, c.they / 2);
  sound.slots.clear();
  EndHand(c.we - c.we / 2, c.they - c.they / 2);
  EXPECT_EQ(Match().OurMatchTotal, c.we);
  EXPECT_EQ(Match().TheirMatchTotal, c.they);
  EXPECT_EQ(Match().Result, c.result);
  EXPECT_EQ(sound.slots, std::vector<int>{c.sound});
  EXPECT_EQ(Match().MatchOver, c.over);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, OutcomeTest,
    ::testing::Values(OutcomeCase{21, 19, MatchResult::Won, kMatchWonSound, true},
                      OutcomeCase{22, 22, MatchResult::TieOverTarget, kHandEndSound, false},
                      OutcomeCase{20, 21, MatchResult::Lost, kMatchLostSound, true},
                      OutcomeCase{20, 20, MatchResult::None, kHandEndSound, false},
                      OutcomeCase{20, 19, MatchResult::None, kHandEndSound, false},
                      OutcomeCase{25, 23, MatchResult::Won, kMatchWonSound, true},
                      OutcomeCase{23, 25, MatchResult::Lost, kMatchLostSound, true},
                      OutcomeCase{21, 21, MatchResult::TieOverTarget, kHandEndSound, false},
                      OutcomeCase{3, 30, MatchResult::Lost, kMatchLostSound, true},
                      OutcomeCase{7, 4, MatchResult::None, kHandEndSound, false}));

TEST_F(MatchTest, SoundSlotsOfTheMatchEnd) {
  EXPECT_EQ(kHandEndSound, 25);
  EXPECT_EQ(kMatchLostSound, 26);
  EXPECT_EQ(kMatchWonSound, 27);
  EXPECT_EQ(kShuffleSound, 24);
}

// After a tie above the target only the history restarts; play goes on.
TEST_F(MatchTest, NextDealAfterATieKeepsTheTotals) {
  Start(Options{});
  EndHand(22, 22);
  ASSERT_EQ(Match().Result, MatchResult::TieOverTarget);
  DealHand(*game);
  EXPECT_EQ(Match().Result, MatchResult::None);
  ExpectMatch(22, 22, 0);
  EXPECT_FALSE(Match().FirstRowCarried) << "a tie's new page carries no row";
  EXPECT_EQ(Match().MatchTarget, 20);
  sound.slots.clear();
  EndHand(2, 1);
  EXPECT_EQ(Match().Result, MatchResult::Won);
  EXPECT_EQ(sound.slots, std::vector<int>{kMatchWonSound});
}

TEST_F(MatchTest, NextDealOfAMatchGoingOnKeepsEverything) {
  Start(Options{});
  EndHand(5, 3);
  DealHand(*game);
  ExpectMatch(5, 3, 1);
}

class HistoryPageTest : public MatchTest,
                        public ::testing::WithParamInterface<test::RuleSetCase> {};

// A full page restarts with the match totals so far as its first row.
TEST_P(HistoryPageTest, PageRestartsWhenItsRowsAreFull) {
  const int rows = GetParam().expected;
  Start(test::OptionsOf(GetParam().rules));
  EXPECT_EQ(HistoryRowsPerPage(*game), rows);
  for (int hand = 1; hand <= rows; ++hand) {
    EndHand(1, 2);
    EXPECT_EQ(Match().HistoryCount, hand);
    EXPECT_EQ(Match().OurHistory[hand - 1], 1);
    EXPECT_EQ(Match().TheirHistory[hand - 1], 2);
    EXPECT_FALSE(Match().FirstRowCarried);
  }
  EndHand(3, 0);
  EXPECT_TRUE(Match().FirstRowCarried);
  ExpectMatch(rows + 3, 2 * rows, 2);
  EXPECT_EQ(Match().OurHistory[0], rows);
  EXPECT_EQ(Match().TheirHistory[0], 2 * rows);
  EXPECT_EQ(Match().OurHistory[1], 3);
  EXPECT_EQ(Match().TheirHistory[1], 0);
}

INSTANTIATE_TEST_SUITE_P(AllRuleSets, HistoryPageTest,
                         ::testing::ValuesIn(test::PerRuleSet({5, 5, 3, 5, 4})), test::RuleSetName);

}  // namespace
}  // namespace verlano
