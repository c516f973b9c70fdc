// The kept match against the game that plays it: every file the game writes
// at any quiet moment loads, in every variant, deck and level; a file with
// any one line removed is refused or plays on to the match's end with every
// check holding; and `verlano-sim resume` refuses impossible matches with
// their one-line reason and plays a good one to its end.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <sstream>

#include "common/run_command.h"
#include "common/scratch_files.h"
#include "game/engine_view.h"
#include "game/quiet_moment.h"
#include "memory/match_file.h"
#include "memory/match_text.h"
#include "memory/quiet_game.h"
#include "sim/auto_player.h"
#include "sim/kept_reload.h"
#include "sim/match_runner.h"
#include "sim/private_resources.h"

namespace verlano::sim {
namespace {

const std::string kSim = VERLANO_SIM_PATH;

std::string ArchiveFolder() {
  return std::filesystem::path(kSim).parent_path().string();
}

TEST(KeptMatch, EveryMatchKeptAtAnyQuietMomentLoads) {
  struct Run {
    Variant variant;
    bool extra;
    DeckChoice deck;
    bool slow;
    bool sortKey;
    PlayerLevel opponents;
    PlayerLevel partner;
  };
  const PlayerLevel classic = PlayerLevel::Classic;
  const PlayerLevel expert = PlayerLevel::Expert;
  const Run runs[] = {
      {Variant::Nine, false, DeckChoice::Trevigiano, false, false, classic, classic},
      {Variant::Romane, false, DeckChoice::Royal, false, true, classic, classic},
      {Variant::Romane, true, DeckChoice::Trentino, true, false, classic, classic},
      {Variant::Napoletane, false, DeckChoice::Trevigiano, false, true, classic, classic},
      {Variant::UmbriaMarche, false, DeckChoice::Royal, false, false, classic, classic},
      {Variant::Nine, false, DeckChoice::Royal, true, true, classic, classic},
      {Variant::Nine, false, DeckChoice::Trevigiano, false, false, expert, expert},
  };
  for (const Run& r : runs) {
    PlayConfig config;
    config.options.variant = r.variant;
    config.options.extraCoinPoints = r.extra;
    config.options.deck = r.deck;
    config.options.animation = r.slow ? AnimationSpeed::Slow : AnimationSpeed::Normal;
    config.options.opponents = r.opponents;
    config.options.partner = r.partner;
    config.sortKey = r.sortKey;
    config.matches = 2;
    config.seed = 31;
    config.quiet = true;
    config.saveEvery = 1;  // every quiet moment: the human's turns and the hands' ends
    std::ostringstream out;
    EXPECT_EQ(RunPlay(config, ArchiveFolder(), out), 0);
    std::cout << "kept and loaded at every quiet moment: " << out.str();
  }
}

// A run started once on the real archive, into which each file is loaded.
class KeptRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(resources_.Error(), "");
    ASSERT_TRUE(StartRun(run_));
  }
  void TearDown() override { QuitGame(run_); }

  // The match the run reaches at its `n`-th quiet moment, played by the
  // simulator's seat 0.
  std::string KeptAt(int n) {
    AutoPlayer player(false);
    bool wasQuiet = IsQuietMoment(run_.game);
    for (int quiet = 0; quiet < n;) {
      EXPECT_TRUE(player.Prepare(run_.game, platform_));
      GameFrame(run_);
      const bool isQuiet = IsQuietMoment(run_.game);
      if (isQuiet && !wasQuiet) ++quiet;
      wasQuiet = isQuiet;
    }
    return WriteMatch(run_.game);
  }

  PrivateResources resources_{ArchiveFolder()};
  HeadlessPlatform platform_;
  GameRun run_{Options{}, 5, platform_, resources_.Folder()};
};

TEST_F(KeptRun, AnyOneLineRemovedIsRefusedOrPlaysOnToTheEnd) {
  // Mid-hand, with cards taken and sprites of every kind on their lines.
  const std::string text = KeptAt(6);
  ASSERT_GT(run_.game.piles.Our.CardCount + run_.game.piles.Their.CardCount, 0);
  int lines = 0;
  int refused = 0;
  std::string playedOn;
  for (std::size_t at = text.find('\n') + 1; text.compare(at, 4, "end\n") != 0;
       at = text.find('\n', at) + 1) {
    const std::string name = text.substr(at, text.find(' ', at) - at);
    std::string refusal;
    std::ostringstream out;
    const int status =
        ReloadAndPlay(run_, platform_, test::WithoutLine("\n" + text, name).substr(1), out, refusal);
    EXPECT_TRUE(status == 0 || status == 1) << "without '" << name << "': a check broke";
    EXPECT_EQ(status == 1, !refusal.empty()) << name;
    ++lines;
    refused += status == 1;
    if (status == 0) playedOn += " " + name;
  }
  std::cout << "of " << lines << " lines, each removed alone: " << refused
            << " refused; played on to the match's end without:" << playedOn << "\n";
  EXPECT_GT(refused, lines / 2);
}

// A story no play of the rules could have told, each kind from a real match
// kept mid-hand with its lines edited: the loader and `verlano-sim resume`
// refuse it in one line, where it used to be played on and recorded wrong.
TEST_F(KeptRun, AStoryTheRulesWouldNotReplayIsRefused) {
  // On to a moment whose story holds a lay and, before its last line, a
  // capture of each side, with cards on the table.
  std::string text;
  int lay = -1;
  std::array<int, 2> capture = {-1, -1};
  for (int moment = 0; moment < 60 && (lay < 0 || capture[0] < 0 || capture[1] < 0); ++moment) {
    text = KeptAt(1);
    const PlayLog& log = run_.game.playLog;
    lay = -1;
    capture = {-1, -1};
    for (int n = 0; n + 1 < log.Count && run_.game.piles.TableCardCount > 0; ++n) {
      const PlayLine& line = log.Lines[static_cast<std::size_t>(n)];
      if (line.Cards.TakenCount == 0) lay = n;
      if (line.Cards.TakenCount > 0 && !line.Sweep) capture[line.Seat % 2] = n;
    }
  }
  ASSERT_TRUE(lay >= 0 && capture[0] >= 0 && capture[1] >= 0) << text;
  ASSERT_EQ(test::Refusal(text), "");
  Game kept(MatchOptions(text), 0);
  ReadMatch(text, kept);
  const CardTables& cards = kept.cards;
  // A knight's line if the story has one, else any capture.
  int line = capture[0];
  for (int n = 0; n < kept.playLog.Count; ++n) {
    if (cards.CardValue[kept.playLog.Lines[n].Cards.Taker] == 9) line = n;
  }
  // A seven no seat holds: on the table or in a pile.
  const engine::CardSet out = PositionOf(kept, 0).PlayedSet();
  int seven = 0;
  while (seven < kCardIndexCount && (cards.CardValue[seven] != 7 || !engine::Has(out, seven))) {
    ++seven;
  }
  ASSERT_LT(seven, kCardIndexCount);
  const int theirs = kept.piles.Their.Cards[0];
  const struct {
    const char* name;
    int line;
    std::function<void(PlayLine&)> edit;
  } cases[] = {
      {"took a card still on the table", capture[0],
       [&](PlayLine& l) { l.Cards.Taken[0] = kept.piles.TableCards[0]; }},
      {"a capture told as a lay", capture[1], [](PlayLine& l) { l.Cards.TakenCount = 0; }},
      {"a lay marked as a sweep", lay, [](PlayLine& l) { l.Sweep = true; }},
      {"a card taking itself", capture[1], [](PlayLine& l) { l.Cards.Taken[0] = l.Cards.Taker; }},
      {"a card taking one played later", capture[0],
       [&](PlayLine& l) { l.Cards.Taken[0] = kept.playLog.Lines[capture[0] + 1].Cards.Taker; }},
      {"a card taking from the other side's pile", capture[0],
       [&](PlayLine& l) { l.Cards.Taken[0] = theirs; }},
      {"a card taking a seven alone", line,
       [&](PlayLine& l) {
         l.Cards.TakenCount = 1;
         l.Cards.Taken[0] = seven;
       }},
      {"a card taken twice", capture[1],
       [](PlayLine& l) { l.Cards.Taken[l.Cards.TakenCount++] = l.Cards.Taken[0]; }},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    Game spoilt(MatchOptions(text), 0);
    ReadMatch(text, spoilt);
    c.edit(spoilt.playLog.Lines[static_cast<std::size_t>(c.line)]);
    const std::string edited = WriteMatch(spoilt);
    const std::string why = test::Refusal(edited);
    std::cout << "story " << c.name << " (play " << c.line + 1 << "): "
              << (why.empty() ? "LOADED" : "refused: " + why) << "\n";
    EXPECT_NE(why.find("story"), std::string::npos) << c.name << ": " << why;
    const std::string file = dir / "spoilt";
    test::WriteFile(file, {edited.begin(), edited.end()});
    const test::Outcome o = test::RunCommand(kSim + " resume " + file + " --quiet");
    EXPECT_EQ(o.status, 1) << c.name << ": " << o.out;
    EXPECT_EQ(o.out.find('\n'), o.out.size() - 1) << c.name << ": one line: " << o.out;
  }
}

TEST(Resume, PlaysAGoodMatchToItsEndAndRefusesImpossibleOnes) {
  test::TempDir dir;
  Game game(Options{}, 7);
  test::PlayToQuietMoment(game);
  const std::string good = WriteMatch(game);
  // Seat 1's last card in seat 0's next place, every list agreeing.
  Piles& p = game.piles;
  const int moved = p.HandCards[1][--p.HandCount[1]];
  p.Hand[1][p.HandCount[1]].Present = false;
  p.Hand[0][p.HandCount[0]].Card = moved;
  p.Hand[0][p.HandCount[0]].Present = true;
  p.Hand[0][p.HandCount[0]].FaceUp = true;
  p.HandCards[0][p.HandCount[0]++] = moved;
  const std::string tenAndEight = WriteMatch(game);
  std::string rows = "0";
  for (int i = 1; i < 41; ++i) rows += ",0";
  using test::WithField;
  const struct {
    const char* name;
    std::string text;
    const char* reason;
  } cases[] = {
      {"a", WithField(WithField(WithField(good, "match", "hands", "41"), "match", "history-we", rows),
                      "match", "history-they", rows),
       "score page holds 5"},
      {"b", tenAndEight, "seat 0 holds 10 cards"},
      {"b (a card played too many)", WithField(good, "piles", "cards-played", "2"),
       "do not bring the turn to seat 0"},
      {"c", WithField(good, "options", "variant", "romane"), "deal of 10 cards a seat"},
      {"d", WithField(good, "they-pile.0", "card", test::FieldOf(good, "seat.0", "cards").substr(0, 2)),
       "shows other cards than it lists"},
      {"e", test::WithoutLine(good, "on-table.0"), "table"},
      {"f", WithField(WithField(WithField(WithField(good, "match", "we", "21"), "match", "hands", "1"),
                                "match", "history-we", "21"),
                      "match", "history-they", "0"),
       "decide the match"},
  };
  for (const auto& c : cases) {
    const std::string file = dir / c.name;
    test::WriteFile(file, {c.text.begin(), c.text.end()});
    const test::Outcome o = test::RunCommand(kSim + " resume '" + file + "'");
    std::cout << "case " << c.name << " through resume: exit " << o.status << ": " << o.out;
    EXPECT_EQ(o.status, 1) << c.name;
    EXPECT_NE(o.out.find(c.reason), std::string::npos) << c.name << ": " << o.out;
    EXPECT_EQ(o.out.find('\n'), o.out.size() - 1) << c.name << ": one line";
  }
  test::WriteFile(dir / "good", {good.begin(), good.end()});
  const test::Outcome played = test::RunCommand(kSim + " resume " + (dir / "good") + " --quiet");
  EXPECT_EQ(played.status, 0) << played.out;
  EXPECT_NE(played.out.find("summary matches 1 "), std::string::npos) << played.out;
  EXPECT_EQ(test::RunCommand(kSim + " resume " + (dir / "missing")).status, 1);
  EXPECT_EQ(test::RunCommand(kSim + " resume").status, 2);
  EXPECT_EQ(test::RunCommand(kSim + " resume a b").status, 2);
}

}  // namespace
}  // namespace verlano::sim
