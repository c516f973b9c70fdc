// Take-backs at the table, on the headless platform with a fake clock: U
// brings back the player's turn exactly as the kept match holds it (so the
// same play then goes on the same way, the seeded seats included), goes a
// turn further back each press, and does nothing with the option off, before
// the hand's first play of the player or once the hand is over. A match with
// a take-back is counted apart, its hands with it, and never rated; every
// column of a row counts the same matches; and the files with and without
// the new fields load. With the option off, leaving the run after a play
// never undoes it unflagged.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <regex>

#include "common/scratch_files.h"
#include "common/tiny_bmp.h"
#include "game/engine_view.h"
#include "game/game_run.h"
#include "game/human_turn.h"
#include "memory/game_folder.h"
#include "memory/match_file.h"
#include "memory/match_keeper.h"
#include "memory/player_memory.h"
#include "memory/records.h"
#include "memory/statistics.h"
#include "platform/headless_platform.h"
#include "quiet_game.h"
#include "table_run.h"
#include "temp_folder.h"

namespace verlano {

// A row in its fields' names, where a check on it fails.
void PrintTo(const StatisticsRow& r, std::ostream* out) {
  *out << "played=" << r.played << " won=" << r.won << " lost=" << r.lost << " hands=" << r.hands
       << " sweeps=" << r.sweeps << " points=" << r.pointsFor << "-" << r.pointsAgainst
       << " streaks=" << r.bestStreak << "," << r.streak << " taken-back=" << r.takenBackPlayed
       << "," << r.takenBackWon << "," << r.takenBackLost;
}

namespace {

GameFolder OpenOrFail(const std::string& path) {
  std::string note;
  GameFolder folder = GameFolder::Open(path, note);
  EXPECT_TRUE(folder.Usable()) << note;
  return folder;
}

PlayerFiles OpenPlayerFilesIn(const test::TempFolder& root) {
  return {OpenOrFail(root.Path() + "/state/verlano"), OpenOrFail(root.Path() + "/data/verlano"),
          OpenOrFail(root.Path() + "/config/verlano"),
          OpenOrFail(root.Path() + "/data/verlano/matches")};
}

class TakeBackRun : public test::TableRun {
 protected:
  // Nine cards; seeded opponents, so that the seats' searches and their
  // seeds are part of what a take-back must bring back.
  static Options TableOptions(bool allowed) {
    Options options;
    options.opponents = PlayerLevel::Strong;
    options.partner = PlayerLevel::Beginner;
    options.allowTakeBacks = allowed;
    return options;
  }

  GameRun& Start(bool allowed, const std::string& kept = "", RunObserver* observer = nullptr) {
    const Options options = TableOptions(allowed);
    if (kept.empty()) return StartWith(options, {}, observer);
    return StartWith(options, [kept](Game& game) { ReadMatch(kept, game); }, observer);
  }

  // A click on the score page deals the next hand.
  void DealNext() {
    pf.SetMouse(400, 300);
    pf.SetButton(kMouseLeft, true);
    Frame();
    pf.SetButton(kMouseLeft, false);
  }

  // Plays the player's first card each turn until the hand is over, and
  // adds it to `seen` as the score page shows it.
  void PlayOutHand(MatchTally& seen) {
    UntilPlayersMove();
    while (!HasFatalFailure() && run->game.turn.GameState != PlayState::HandOver) Play(0);
    if (HasFatalFailure()) return;
    const HandScore& score = run->game.score;
    seen.Hands += 1;
    seen.Sweeps += score.We.Sweeps;
    seen.PointsFor += score.We.Total;
    seen.PointsAgainst += score.They.Total;
  }

  // ... and each next hand until the match is decided.
  void PlayOutMatch(MatchTally& seen) {
    for (;;) {
      PlayOutHand(seen);
      if (HasFatalFailure() || run->game.match.MatchOver) return;
      DealNext();
    }
  }
};

TEST_F(TakeBackRun, TheSamePlayAfterATakeBackGoesOnTheSameWay) {
  Game& g = Start(true).game;
  UntilPlayersMove();
  Play(0);
  const std::string turn = Kept();
  const std::uint64_t draws = g.rng.Draws();
  const int searches = run->search.Searches();
  Play(1);
  const std::string after = Kept();
  ASSERT_NE(after, turn);
  EXPECT_GT(run->search.Searches(), searches) << "the seats searched";
  EXPECT_FALSE(g.match.TakenBack);

  Tap(kKeyU);
  EXPECT_EQ(Kept(), turn);
  EXPECT_EQ(g.rng.Draws(), draws);
  EXPECT_TRUE(g.match.TakenBack);
  EXPECT_TRUE(MayPlayHandCard(g)) << "the player is at that turn again";
  EXPECT_EQ(run->takeBacks.toldTurn, g.piles.CardsPlayed) << "the table says so";
  // Again, now while a seat's search started ahead waits for its turn: its
  // seed must not outlive the game it was drawn from.
  Play(1, [this] { return run->search.Started() && !AnyCardMoving(run->game.piles); });
  Tap(kKeyU);
  EXPECT_EQ(Kept(), turn);
  EXPECT_FALSE(run->search.Started());
  Play(1);
  EXPECT_EQ(Kept(), after);
  EXPECT_TRUE(g.match.TakenBack) << "the match keeps its take-back";
}

TEST_F(TakeBackRun, EachPressGoesATurnFurtherBackAndNoFurtherThanTheHandsFirst) {
  Game& g = Start(true).game;
  UntilPlayersMove();
  const std::string first = Kept();
  Tap(kKeyU);
  EXPECT_EQ(Kept(), first) << "nothing played yet this hand";
  EXPECT_FALSE(g.match.TakenBack);
  Play(0);
  const std::string second = Kept();
  Play(0);
  // Halfway through the play, while the card flies.
  Tap(kKeyDigit1);
  Tap(kKeyReturn);
  ASSERT_TRUE(g.turn.HumanPicked);
  Tap(kKeyU);
  EXPECT_FALSE(g.turn.HumanPicked);
  Tap(kKeyU);
  EXPECT_EQ(Kept(), second);
  Tap(kKeyU);
  EXPECT_EQ(Kept(), first);
  Tap(kKeyU);
  EXPECT_EQ(Kept(), first);
  EXPECT_TRUE(MayPlayHandCard(g));
}

// Continued from its file at the player's turn, the match can go back to it.
TEST_F(TakeBackRun, AContinuedMatchTakesBackToTheTurnItResumedAt) {
  Start(true);
  UntilPlayersMove();
  Play(0);
  const std::string kept = WriteMatch(run->game);
  const std::string turn = Kept();
  Game& g = Start(true, kept).game;
  ASSERT_EQ(Kept(), turn);
  Play(0);
  Tap(kKeyU);
  EXPECT_EQ(Kept(), turn);
  EXPECT_TRUE(g.match.TakenBack);
}

// With take-backs off, a play once made stays made: a run left between the
// player's play and the next turn (Escape or a crash; neither keeps anything
// more) and continued goes back before that play only as a taken-back
// match, which is never rated; given up instead, it is given up.
TEST_F(TakeBackRun, APlayMadeIsNeverUndoneUnflaggedByLeavingTheRun) {
  test::TempFolder root;
  const PlayerFiles files = OpenPlayerFilesIn(root);
  const auto fail = [](const std::string& line) { ADD_FAILURE() << line; };
  // Each stop: just after the pick, and with a seat's answer on the table.
  for (const int answered : {0, 1}) {
    int played = 0;
    {
      MatchKeeper keeper(files, TableOptions(false), PlayerSettings{}, fail);
      Game& g = Start(false, "", &keeper).game;
      UntilPlayersMove();
      Play(0);
      // At the next turn the play is kept as made, without the mark.
      std::string text;
      ASSERT_FALSE(files.state.Read(kMatchFile, 1 << 20, text));
      EXPECT_FALSE(LeftAfterPlay(text));
      played = g.piles.CardsPlayed;
      Play(1, [&] { return answered == 0 || g.turn.CurrentSeat >= 2; });
      ASSERT_FALSE(IsQuietMoment(g));
      run.reset();
    }
    {
      std::string note;
      const std::optional<KeptMatch> kept = LoadKeptMatch(files.state, note);
      ASSERT_TRUE(kept) << note;
      Game continued(MatchOptions(kept->text), 0);
      ResumeKeptMatch(*kept, continued);
      EXPECT_TRUE(continued.piles.CardsPlayed > played || continued.match.TakenBack)
          << "the play is undone unflagged";
      EXPECT_FALSE(kept->takenBack) << "given up, it counts as given up";

      // Continued to its end, the match moves no rating.
      MatchKeeper later(files, MatchOptions(kept->text), PlayerSettings{}, fail);
      later.Resumed(continued);
      continued.turn.GameState = PlayState::HandOver;
      continued.match.MatchOver = true;
      continued.match.Result = MatchResult::Won;
      later.QuietMoment(continued);
    }
    std::string note;
    EXPECT_TRUE(LoadStatistics(files.data, note).ratings.empty()) << answered;
  }
}

TEST_F(TakeBackRun, UDoesNothingWithTheOptionOffOrOnceTheHandIsOver) {
  for (const bool allowed : {false, true}) {
    Game& g = Start(allowed).game;
    UntilPlayersMove();
    Play(0);
    const std::string turn = Kept();
    Tap(kKeyU);
    EXPECT_EQ(Kept() == turn, !allowed) << allowed;
    EXPECT_EQ(g.match.TakenBack, allowed);
    while (g.turn.GameState != PlayState::HandOver) Play(0);
    const std::string over = Kept();
    Tap(kKeyU);
    EXPECT_EQ(Kept(), over) << allowed;
    EXPECT_TRUE(run->takeBacks.points.empty()) << "the hand's end forgets the turns";
  }
}

// Kept at the player's turn after a take-back, the match says so when
// continued; decided, it lands in its own counts, its hands with it, and the
// rating stays.
TEST(TakeBackCounts, AMatchWithATakeBackIsCountedApartAndNeverRated) {
  test::TempFolder root;
  const PlayerFiles files = OpenPlayerFilesIn(root);
  MatchKeeper keeper(files, Options{}, PlayerSettings{},
                     [](const std::string& line) { ADD_FAILURE() << line; });
  Game game(Options{}, 5);
  test::PlayToQuietMoment(game);
  game.match.TakenBack = true;
  keeper.QuietMoment(game);
  std::string note;
  const auto kept = LoadKeptMatch(files.state, note);
  ASSERT_TRUE(kept) << note;
  EXPECT_TRUE(kept->takenBack);

  game.turn.GameState = PlayState::HandOver;
  game.score.We.Total = 4;
  game.score.They.Total = 7;
  game.match.Tally = {1, 0, 4, 7};
  game.match.MatchOver = true;
  game.match.Result = MatchResult::Lost;
  keeper.QuietMoment(game);
  Statistics counted = LoadStatistics(files.data, note);
  StatisticsRow apart{};
  apart.takenBackPlayed = 1;
  apart.takenBackLost = 1;
  EXPECT_EQ(counted.rows.at("nine.classic"), apart);
  EXPECT_TRUE(counted.ratings.empty()) << "no rating moved";
  // Given up for a new match, it is played apart, neither won nor lost.
  CountTakenBackMatch(counted, Options{}, std::nullopt);
  EXPECT_EQ(counted.rows.at("nine.classic").takenBackPlayed, 2);
  EXPECT_EQ(counted.rows.at("nine.classic").played, 0);
  EXPECT_EQ(ReadStatistics(WriteStatistics(counted)), counted);
}

// Every column of the row counts the same matches, both played out at the
// table: one with a take-back leaves its hands, sweeps and points out with
// it, and one without brings them all in once it is decided, none while it
// goes on.
TEST_F(TakeBackRun, EveryColumnOfTheRowCountsTheSameMatches) {
  test::TempFolder root;
  const PlayerFiles files = OpenPlayerFilesIn(root);
  MatchKeeper keeper(files, TableOptions(true), PlayerSettings{},
                     [](const std::string& line) { ADD_FAILURE() << line; });
  const Game& g = Start(true, "", &keeper).game;
  const auto row = [&] {
    std::string note;
    const Statistics counted = LoadStatistics(files.data, note);
    EXPECT_EQ(note, "");
    const auto it = counted.rows.find("nine.strong");
    return it == counted.rows.end() ? StatisticsRow{} : it->second;
  };
  UntilPlayersMove();
  Play(0);
  Tap(kKeyU);
  ASSERT_TRUE(g.match.TakenBack);
  MatchTally first;
  ASSERT_NO_FATAL_FAILURE(PlayOutMatch(first));
  StatisticsRow expected{};
  expected.takenBackPlayed = 1;
  (g.match.Result == MatchResult::Won ? expected.takenBackWon : expected.takenBackLost) = 1;
  EXPECT_EQ(row(), expected) << first.Hands << " hands";

  DealNext();
  MatchTally second;
  ASSERT_NO_FATAL_FAILURE(PlayOutHand(second));
  ASSERT_FALSE(g.match.TakenBack);
  if (!g.match.MatchOver) {
    EXPECT_EQ(row(), expected) << "a hand of a match going on";
    DealNext();
    ASSERT_NO_FATAL_FAILURE(PlayOutMatch(second));
  }
  const bool won = g.match.Result == MatchResult::Won;
  expected.played = 1;
  (won ? expected.won : expected.lost) = 1;
  expected.bestStreak = expected.streak = won ? 1 : 0;
  expected.hands = second.Hands;
  expected.sweeps = second.Sweeps;
  expected.pointsFor = second.PointsFor;
  expected.pointsAgainst = second.PointsAgainst;
  EXPECT_EQ(row(), expected);
  EXPECT_EQ(second.PointsFor, g.match.OurMatchTotal);
  EXPECT_EQ(second.PointsAgainst, g.match.TheirMatchTotal);
}

TEST(TakeBackCounts, FilesWithAndWithoutTheNewFieldsLoad) {
  const std::string row =
      "verlano-statistics 1\nnine.classic played=2 won=1 lost=1 hands=9 sweeps=3 best-streak=1 "
      "streak=0";
  const Statistics counted = ReadStatistics(row + "\nend\n");
  EXPECT_EQ(counted.rows.at("nine.classic").takenBackPlayed, 0);
  EXPECT_EQ(WriteStatistics(counted).find("taken-back"), std::string::npos)
      << "a row without take-backs is written as before";
  const StatisticsRow read =
      ReadStatistics(row + " taken-back-played=3 taken-back-won=2 taken-back-lost=1\nend\n")
          .rows.at("nine.classic");
  EXPECT_EQ(read.takenBackWon, 2);
  EXPECT_EQ(read.played, 2) << "the ordinary counts untouched";
  EXPECT_THROW(
      ReadStatistics(row + " taken-back-played=1 taken-back-won=1 taken-back-lost=1\nend\n"),
      RecordError)
      << "more decided than played";

  EXPECT_FALSE(
      ReadSettings("verlano-settings 1\noptions show-hints=1\nend\n").options.allowTakeBacks);
  PlayerSettings settings;
  settings.options.allowTakeBacks = true;
  EXPECT_TRUE(ReadSettings(WriteSettings(settings)).options.allowTakeBacks);

  Game game(Options{}, 5);
  test::PlayToQuietMoment(game);
  game.match.TakenBack = true;
  std::string text = WriteMatch(game);
  Game back(MatchOptions(text), 0);
  ReadMatch(text, back);
  EXPECT_TRUE(back.match.TakenBack);
  const std::size_t flag = text.find(" taken-back=1");
  ASSERT_NE(flag, std::string::npos);
  text.erase(flag, std::string(" taken-back=1").size());
  Game older(MatchOptions(text), 0);
  ReadMatch(text, older);
  EXPECT_FALSE(older.match.TakenBack) << "a file from before take-backs has none";
}

}  // namespace
}  // namespace verlano
