// The game's records of its matches: one file a match, going on after the
// match is continued from its file, the newest 200 kept, a damaged record
// passed over with a line and kept aside, never written through a link.

#include "memory/match_recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "game/engine_view.h"
#include "game/human_turn.h"
#include "game/state_machine.h"
#include "memory/match_file.h"
#include "memory/match_text.h"
#include "memory/quiet_game.h"
#include "memory/temp_folder.h"

namespace verlano {
namespace {

namespace fs = std::filesystem;

class Recorder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string note;
    folder_ = GameFolder::Open(root_.Path() + "/matches", note);
    ASSERT_TRUE(folder_.Usable()) << note;
  }

  MatchRecorder Make(const std::string& stamp = "match-20261208-120000") {
    return MatchRecorder(
        folder_, Options{}, [this](const std::string& line) { said_.push_back(line); },
        [stamp] { return stamp; });
  }

  MatchRecord Read(const std::string& name) const {
    std::string text;
    EXPECT_FALSE(folder_.Read(name, 1 << 20, text)) << name;
    CardTables cards;
    BuildCardNames(cards);
    return ReadRecord(text, cards);
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const FolderFile& f : RecordsNewestFirst(folder_)) names.push_back(f.name);
    return names;
  }

  test::TempFolder root_;
  GameFolder folder_;
  std::vector<std::string> said_;
};

TEST_F(Recorder, AMatchIsRecordedAsItGoesAndContinuedInItsOwnRecord) {
  Game game(Options{}, 5);
  test::PlayToQuietMoment(game);
  ASSERT_GT(game.piles.CardsPlayed, 0);
  Make().QuietMoment(game);
  ASSERT_EQ(Names(), std::vector<std::string>{"match-20261208-120000.rec"});
  MatchRecord first = Read("match-20261208-120000.rec");
  ASSERT_EQ(first.hands.size(), 1U);
  EXPECT_EQ(first.hands[0].playCount, game.piles.CardsPlayed);
  EXPECT_EQ(first.hands[0].leader, game.deal.DealOrder[0]);

  // Continued after a restart, from the kept file, in a later second.
  const std::string kept = WriteMatch(game);
  Game resumed(MatchOptions(kept), 0);
  ReadMatch(kept, resumed);
  MatchRecorder later = Make("match-20261208-130000");
  later.QuietMoment(resumed);
  EXPECT_EQ(Names(), std::vector<std::string>{"match-20261208-120000.rec"});
  EXPECT_EQ(Read("match-20261208-120000.rec").hands.size(), 1U);

  // A continued match at a later hand whose record is gone is not recorded.
  ASSERT_EQ(folder_.Remove("match-20261208-120000.rec"), std::error_code());
  resumed.match.HistoryCount = 1;
  Make().QuietMoment(resumed);
  EXPECT_TRUE(Names().empty());
  ASSERT_EQ(said_.size(), 1U);
  EXPECT_NE(said_[0].find("this match is not recorded"), std::string::npos) << said_[0];
}

// A match kept before the story was, continued mid-hand, cannot tell the
// plays its hand has had: it begins no record, keeps its old one as it was,
// and says so once.
TEST_F(Recorder, AMatchKeptWithoutItsStoryIsNotRecordedMidHand) {
  Game game(Options{}, 5);
  test::PlayToQuietMoment(game);
  ASSERT_GT(game.piles.CardsPlayed, 0);
  ASSERT_EQ(game.match.HistoryCount, 0);
  std::string kept = WriteMatch(game);
  kept = test::WithoutLine(kept, "story");
  for (int n = 0; n < game.playLog.Count; ++n) {
    kept = test::WithoutLine(kept, "story-line." + std::to_string(n));
  }
  Game older(MatchOptions(kept), 0);
  ReadMatch(kept, older);
  ASSERT_EQ(older.playLog.Count, 0);
  MatchRecorder recorder = Make();
  recorder.QuietMoment(older);
  recorder.QuietMoment(older);
  EXPECT_TRUE(Names().empty());
  ASSERT_EQ(said_.size(), 1U);
  EXPECT_NE(said_[0].find("without its hand's story; this match is not recorded"),
            std::string::npos)
      << said_[0];

  // Nor does it go on in a record of its hand: that record keeps its plays.
  said_.clear();
  Make().QuietMoment(game);
  Make("match-20261208-130000").QuietMoment(older);
  EXPECT_EQ(Names(), std::vector<std::string>{"match-20261208-120000.rec"});
  EXPECT_EQ(Read("match-20261208-120000.rec").hands[0].playCount, game.piles.CardsPlayed);
}

// The player's play of the `n`-th card that can be played, with its first
// capture, and the seats' answers, up to the player's next turn.
void PlayToNextTurn(Game& game, int n) {
  int slot = 0;
  for (int seen = -1; seen < n; ++slot) seen += PlayableHandSlot(game, slot) ? 1 : 0;
  ASSERT_GE(PickHandSlot(game, slot - 1), 0);
  PlayCardToTable(game, game.piles.Hand[0][slot - 1]);
  std::uint64_t tick = game.turn.TickNow;
  while (!IsQuietMoment(game)) {
    if (MayClickTable(game)) {
      for (const int entry : CapturesOfPlayedCard(game).front()) ChooseTableCard(game, entry, true);
    }
    StepGameState(game, tick += 16);
  }
}

// One match kept in two state folders and continued by two copies of the
// game at once, the records in one data folder: never two writers on one
// record. The first goes on in the match's record; the second says in one
// line that it goes on in a copy, and each record holds its own copy's play.
TEST_F(Recorder, TwoCopiesContinuingOneMatchNeverWriteOneRecord) {
  Game game(Options{}, 5);
  test::PlayToQuietMoment(game);
  Make().QuietMoment(game);
  const std::string kept = WriteMatch(game);
  std::array<Game, 2> copies{Game(MatchOptions(kept), 0), Game(MatchOptions(kept), 0)};
  std::array<MatchRecorder, 2> recorders{Make("match-20261208-130000"),
                                         Make("match-20261208-130000")};
  for (int i = 0; i < 2; ++i) {
    ReadMatch(kept, copies[i]);
    recorders[i].QuietMoment(copies[i]);
  }
  EXPECT_EQ(said_.size(), 1U);
  if (!said_.empty()) {
    EXPECT_NE(said_[0].find("match-20261208-130000.rec"), std::string::npos) << said_[0];
  }
  EXPECT_EQ(Names().size(), 2U);
  const std::array<std::string, 2> names{"match-20261208-120000.rec", "match-20261208-130000.rec"};
  // Each plays another card: each record has its own copy's.
  const int turn = game.piles.CardsPlayed;
  for (int i = 0; i < 2; ++i) {
    PlayToNextTurn(copies[i], i);
    recorders[i].QuietMoment(copies[i]);
  }
  for (int i = 0; i < 2; ++i) {
    const RecordedHand hand = Read(names[i]).hands.back();
    EXPECT_EQ(hand.plays[turn].card, RecordHand(copies[i]).plays[turn].card) << names[i];
    EXPECT_NE(hand.plays[turn].card, RecordHand(copies[1 - i]).plays[turn].card) << names[i];
  }
  // Once the two copies are done, either record is free to go on in.
  recorders = {Make("match-20261208-140000"), Make("match-20261208-140000")};
  MatchRecorder third = Make("match-20261208-150000");
  third.QuietMoment(copies[0]);
  EXPECT_EQ(Names().size(), 2U);
  EXPECT_EQ(said_.size(), 1U);
}

TEST_F(Recorder, TheNewestTwoHundredAreKeptAndADamagedOneIsPassedOver) {
  Game played(Options{}, 5);
  test::PlayToQuietMoment(played);
  Make("model").QuietMoment(played);
  const std::string matches = root_.Path() + "/matches/";
  for (int i = 0; i < kKeptRecords; ++i) {
    const std::string name = matches + "old-" + std::to_string(1000 + i) + ".rec";
    fs::copy_file(matches + "model.rec", name);
    // The oldest first: each a second older than the next.
    fs::last_write_time(
        name, fs::file_time_type::clock::now() - std::chrono::seconds(2 * kKeptRecords - i));
  }
  fs::remove(matches + "model.rec");
  std::ofstream(matches + "notes.txt") << "not a record";
  Game game(Options{}, 6);
  test::PlayToQuietMoment(game);
  Make("match-20261208-120000").QuietMoment(game);
  std::vector<std::string> names = Names();
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kKeptRecords));
  EXPECT_EQ(names.front(), "match-20261208-120000.rec");
  EXPECT_EQ(std::count(names.begin(), names.end(), "old-1000.rec"), 0);
  EXPECT_EQ(std::count(names.begin(), names.end(), "old-1001.rec"), 1);
  EXPECT_TRUE(fs::exists(matches + "notes.txt"));
  EXPECT_TRUE(said_.empty());

  // A damaged record is kept aside with one line, and the next match begins its own.
  std::ofstream(matches + "match-20261208-120000.rec", std::ios::app) << "play.9.9 seat=7\n";
  Game other(Options{}, 7);
  test::PlayToQuietMoment(other);
  Make("match-20261208-120000").QuietMoment(other);
  ASSERT_EQ(said_.size(), 1U);
  EXPECT_NE(said_[0].find("cannot be read"), std::string::npos) << said_[0];
  EXPECT_TRUE(fs::exists(matches + "match-20261208-120000.rec.bad"));
  // Begun in the same second as the one set aside, it takes the free name.
  EXPECT_EQ(Names().front(), "match-20261208-120000.rec");
  EXPECT_EQ(Read("match-20261208-120000.rec").hands[0].pack[0], other.deal.ShuffledCards[0]);
  Game third(Options{}, 8);
  test::PlayToQuietMoment(third);
  Make("match-20261208-120000").QuietMoment(third);
  EXPECT_EQ(Names().front(), "match-20261208-120000-2.rec");
}

TEST_F(Recorder, NothingIsWrittenThroughALink) {
  const std::string elsewhere = root_.Path() + "/elsewhere";
  fs::create_directory(elsewhere);
  std::string note;
  const GameFolder data = GameFolder::Open(root_.Path() + "/data", note);
  fs::create_directory_symlink(elsewhere, root_.Path() + "/data/matches");
  const GameFolder linked = data.Below("matches", note);
  EXPECT_FALSE(linked.Usable());
  EXPECT_NE(note.find("not a folder of the game's"), std::string::npos) << note;
  Game game(Options{}, 5);
  test::PlayToQuietMoment(game);
  MatchRecorder(linked, Options{}, [](const std::string&) {}).QuietMoment(game);
  EXPECT_TRUE(fs::is_empty(elsewhere));
}

}  // namespace
}  // namespace verlano
