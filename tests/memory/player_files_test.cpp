#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "memory/match_file.h"
#include "memory/match_keeper.h"
#include "memory/match_recorder.h"
#include "memory/option_words.h"
#include "memory/player_memory.h"
#include "memory/quiet_game.h"
#include "memory/records.h"
#include "memory/temp_folder.h"

namespace verlano {
namespace {

GameFolder OpenOrFail(const std::string& path) {
  std::string note;
  GameFolder folder = GameFolder::Open(path, note);
  EXPECT_TRUE(folder.Usable()) << note;
  return folder;
}

std::string Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(PlayerFiles, XdgFoldersAndTheirDefaults) {
  const struct {
    std::map<std::string, std::string> env;
    XdgFolder folder;
    const char* want;
  } cases[] = {
      {{{"HOME", "/home/ann"}}, XdgFolder::State, "/home/ann/.local/state/verlano"},
      {{{"HOME", "/home/ann"}}, XdgFolder::Data, "/home/ann/.local/share/verlano"},
      {{{"HOME", "/home/ann"}}, XdgFolder::Config, "/home/ann/.config/verlano"},
      {{{"HOME", "/h"}, {"XDG_STATE_HOME", "/s"}}, XdgFolder::State, "/s/verlano"},
      {{{"HOME", "/h"}, {"XDG_DATA_HOME", "/d"}}, XdgFolder::Data, "/d/verlano"},
      {{{"HOME", "/h"}, {"XDG_CONFIG_HOME", "/c"}}, XdgFolder::Config, "/c/verlano"},
      // A relative or empty variable is passed over, as the XDG rules ask.
      {{{"HOME", "/h"}, {"XDG_CONFIG_HOME", "rel"}}, XdgFolder::Config, "/h/.config/verlano"},
      {{{"HOME", "/h"}, {"XDG_DATA_HOME", ""}}, XdgFolder::Data, "/h/.local/share/verlano"},
      {{}, XdgFolder::State, ""},
  };
  for (const auto& c : cases) {
    const auto env = [&](const char* name) -> const char* {
      const auto it = c.env.find(name);
      return it == c.env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(PlayerFolder(c.folder, env), c.want);
  }
}

// The folders above the game's may be links (a dotfile manager's); the game's
// own folder never is used through one: whatever stands at its name and
// whatever a link there points to keep every byte, and nothing is kept.
TEST(PlayerFiles, TheGamesFolderIsNeverUsedThroughALink) {
  test::TempFolder root;
  const std::filesystem::path base = root.Path();
  std::filesystem::create_directories(base / "real-state");
  std::filesystem::create_directory_symlink(base / "real-state", base / "linked-state");
  {
    const GameFolder through = OpenOrFail((base / "linked-state/verlano").string());
    EXPECT_EQ(KeepFile(through, kSettingsFile, "x"), "");
    EXPECT_EQ(Contents(base / "real-state/verlano/settings"), "x");
  }

  std::filesystem::create_directories(base / "marker");
  std::ofstream(base / "marker/match") << "theirs";
  std::ofstream(base / "marker/settings") << "damaged";
  std::ofstream(base / "marker/statistics") << "theirs too";
  std::ofstream(base / "a-file") << "plain";
  mkfifo((base / "a-fifo").c_str(), 0600);
  std::filesystem::create_directories(base / "link");
  std::filesystem::create_directory_symlink(base / "marker", base / "link/verlano");
  std::filesystem::create_directories(base / "dangling");
  std::filesystem::create_symlink(base / "gone", base / "dangling/verlano");
  const struct {
    std::filesystem::path path;
    const char* said;
  } cases[] = {
      {base / "link/verlano", "is a symbolic link, not a folder of the game's"},
      {base / "dangling/verlano", "is a dangling symbolic link, not a folder of the game's"},
      {base / "a-file/verlano", "cannot be used"},
      {base / "a-fifo", "is a FIFO, not a folder of the game's"},
  };
  for (const auto& c : cases) {
    std::string note;
    const GameFolder folder = GameFolder::Open(c.path.string(), note);
    EXPECT_FALSE(folder.Usable());
    EXPECT_NE(note.find(c.said), std::string::npos) << note;
    EXPECT_EQ(note.find('\n'), std::string::npos);
    // Every use of an unusable folder is quiet and touches nothing.
    EXPECT_FALSE(LoadKeptMatch(folder, note));
    EXPECT_EQ(LoadSettings(folder, note).volume, kMaxVolume);
    EXPECT_EQ(note, "");
    EXPECT_EQ(KeepFile(folder, kMatchFile, "ours"), "");
    EXPECT_EQ(ForgetFile(folder, kStatisticsFile), "");
    EXPECT_EQ(ResetStatistics(folder), "");
  }
  EXPECT_EQ(Contents(base / "marker/match"), "theirs");
  EXPECT_EQ(Contents(base / "marker/settings"), "damaged");
  EXPECT_EQ(Contents(base / "marker/statistics"), "theirs too");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(base / "marker"), {}), 3);
  EXPECT_TRUE(std::filesystem::is_symlink(base / "link/verlano"));
  EXPECT_EQ(Contents(base / "a-file"), "plain");
}

// A damaged file of each kind gives a one-line note, is kept as NAME.bad,
// and the fresh value is used; a missing one says nothing. The file's bytes
// in the note are escaped, so a note never drives a terminal.
TEST(PlayerFiles, DamagedFilesAreKeptAsideWithAWord) {
  test::TempFolder root;
  const GameFolder folder = OpenOrFail(root.Path() + "/verlano");
  std::string note;
  EXPECT_FALSE(LoadKeptMatch(folder, note));
  EXPECT_EQ(LoadStatistics(folder, note), Statistics{});
  EXPECT_EQ(note, "");

  static constexpr char kNul[] = "verlano-settings 1\nsound muted=1\0x\nend\n";
  const std::string kWithNul(kNul, sizeof kNul - 1);
  const struct {
    const char* name;
    std::string text;
    const char* reason;
  } cases[] = {
      {kMatchFile, "verlano-match 1\nturn seat=0\n", "cut short"},
      {kStatisticsFile, "verlano-statistics 1\nnine.classic played=1 won=3\nend\n", "lacks lost"},
      {kStatisticsFile, "verlano-statistics 1\nchess.classic played=1\nend\n", "unknown variant"},
      {kSettingsFile, "verlano-settings 1\nsound volume=400\nend\n", "volume=400 (from 0 to 100)"},
      {kSettingsFile, std::string("\0\0\0", 3), "begin with 'verlano-settings 1'"},
      {kSettingsFile, "verlano-settings 1\nsound volume=\x1b[31m\xff\nend\n",
       "volume=\\x1b[31m\\xff"},
      {kSettingsFile, kWithNul, "muted=1\\x00x"},
  };
  for (const auto& c : cases) {
    ASSERT_FALSE(folder.Write(c.name, c.text));
    if (std::string(c.name) == kMatchFile) {
      EXPECT_FALSE(LoadKeptMatch(folder, note));
    } else if (std::string(c.name) == kStatisticsFile) {
      EXPECT_EQ(LoadStatistics(folder, note), Statistics{});
    } else {
      EXPECT_EQ(LoadSettings(folder, note).volume, kMaxVolume);
    }
    EXPECT_NE(note.find(c.reason), std::string::npos) << note;
    EXPECT_NE(note.find("kept as " + folder.PathOf(c.name) + ".bad"), std::string::npos) << note;
    for (const char byte : note)
      EXPECT_TRUE(byte == '\t' || static_cast<unsigned char>(byte) >= ' ');
    std::string kept;
    ASSERT_FALSE(folder.Read(std::string(c.name) + ".bad", 1000, kept));
    EXPECT_EQ(kept, c.text);
    EXPECT_EQ(folder.Read(c.name, 1000, kept), std::errc::no_such_file_or_directory);
  }
}

TEST(PlayerFiles, SettingsPassOverWhatTheyDoNotKnow) {
  const PlayerSettings read = ReadSettings(
      "verlano-settings 1\noptions variant=umbria show-hints=1\nwindow x=3\nsound muted=1\nend\n");
  EXPECT_EQ(read.options.variant, Variant::UmbriaMarche);
  EXPECT_EQ(read.options.deck, DeckChoice::Trevigiano);
  EXPECT_TRUE(read.muted);
  EXPECT_EQ(read.volume, kMaxVolume);
  EXPECT_FALSE(read.options.holdLastTable) << "a file written before the option lacks it";
  PlayerSettings s;
  s.options.deck = DeckChoice::Royal;
  s.options.partner = PlayerLevel::Expert;
  s.options.holdLastTable = true;
  s.volume = 35;
  const PlayerSettings back = ReadSettings(WriteSettings(s));
  EXPECT_TRUE(back.options.holdLastTable);
  EXPECT_EQ(back.options.deck, DeckChoice::Royal);
  EXPECT_EQ(back.options.partner, PlayerLevel::Expert);
  EXPECT_EQ(back.volume, 35);
}

// Every level and "Match my level" read back; a file from before the five
// levels (classic or expert, no match-my-level) reads as it did; a level
// word the game does not know is refused like any other value.
TEST(PlayerFiles, SettingsKeepEveryLevelAndMatchMyLevel) {
  for (const auto& [word, level] : kLevelWords) {
    for (const bool match : {false, true}) {
      PlayerSettings s;
      s.options.opponents = level;
      s.options.partner = level;
      s.options.matchMyLevel = match;
      const PlayerSettings back = ReadSettings(WriteSettings(s));
      EXPECT_EQ(back.options.opponents, level) << word;
      EXPECT_EQ(back.options.partner, level) << word;
      EXPECT_EQ(back.options.matchMyLevel, match) << word;
    }
  }
  const PlayerSettings old = ReadSettings(
      "verlano-settings 1\noptions variant=romane extra-coin-points=0 deck=trent "
      "slow-animation=0 opponents=expert partner=classic show-hints=0 take-only-capture=1\n"
      "sound volume=60 muted=0\nend\n");
  EXPECT_EQ(old.options.opponents, PlayerLevel::Expert);
  EXPECT_EQ(old.options.partner, PlayerLevel::Classic);
  EXPECT_FALSE(old.options.matchMyLevel);
  EXPECT_TRUE(old.options.takeOnlyCapture);
  try {
    ReadSettings("verlano-settings 1\noptions opponents=grandmaster\nend\n");
    ADD_FAILURE() << "an unknown level was read";
  } catch (const RecordError& e) {
    EXPECT_NE(std::string(e.what()).find("grandmaster"), std::string::npos) << e.what();
  }
  EXPECT_THROW(ReadSettings("verlano-settings 1\noptions match-my-level=2\nend\n"), RecordError);
}

TEST(PlayerFiles, StatisticsCountStreaksAndGivenUpMatches) {
  Options nine;
  Options romaneExtra;
  romaneExtra.variant = Variant::Romane;
  romaneExtra.extraCoinPoints = true;
  romaneExtra.opponents = PlayerLevel::Expert;
  Statistics s;
  for (const bool won : {true, true, false, true}) CountMatch(s, nine, {2, 1, 21, 9}, won);
  CountGivenUp(s, romaneExtra, {1, 0, 3, 4});
  CountGivenUp(s, romaneExtra, {});
  EXPECT_EQ(s.rows["nine.classic"], (StatisticsRow{4, 3, 1, 8, 4, 2, 1, 84, 36}));
  EXPECT_EQ(s.rows["romane-extra.expert"], (StatisticsRow{2, 0, 0, 1, 0, 0, 0, 3, 4}));
  EXPECT_EQ(ReadStatistics(WriteStatistics(s)), s);
  // The win rate counts a given-up match as played and not won.
  EXPECT_EQ(WinPercent(s.rows["nine.classic"]), 75);
  EXPECT_EQ(WinPercent(s.rows["romane-extra.expert"]), 0);
  EXPECT_EQ(WinPercent(StatisticsRow{}), -1) << "no match played yet";
  EXPECT_EQ(WinPercent(StatisticsRow{3, 2, 1}), 67) << "rounded to the nearest";
  EXPECT_EQ(WinPercent(StatisticsRow{1'000'000'000, 999'999'999}), 100) << "no overflow";
}

// A file written before the points were counted reads with none; a points
// count out of range is refused like any other.
TEST(PlayerFiles, StatisticsWithoutPointsReadAsNone) {
  const Statistics old = ReadStatistics(
      "verlano-statistics 1\nnine.classic played=2 won=1 lost=1 hands=9 sweeps=3 "
      "best-streak=1 streak=0\nend\n");
  EXPECT_EQ(old.rows.at("nine.classic"), (StatisticsRow{2, 1, 1, 9, 3, 1, 0, 0, 0}));
  EXPECT_THROW(ReadStatistics("verlano-statistics 1\nnine.classic played=0 won=0 lost=0 hands=0 "
                              "sweeps=0 best-streak=0 streak=0 points-for=-1\nend\n"),
               RecordError);
}

// Counts stop at the loader's limit, so that whatever the game writes it
// reads back: one more of anything after the limit leaves a good file.
TEST(PlayerFiles, StatisticsAtTheirLimitStillReadBack) {
  constexpr int kLimit = 1'000'000'000;
  const Options nine;
  for (const StatisticsRow start :
       {StatisticsRow{kLimit, kLimit, 0, kLimit, kLimit, kLimit, kLimit, kLimit, kLimit - 1},
        StatisticsRow{kLimit, 0, kLimit, kLimit - 1, kLimit - 3, 0, 0},
        StatisticsRow{kLimit - 1, kLimit - 2, 0, 5, 0, kLimit - 2, kLimit - 2}}) {
    Statistics s;
    s.rows["nine.classic"] = start;
    ASSERT_NO_THROW(ReadStatistics(WriteStatistics(s)));
    for (int i = 0; i < 3; ++i) {
      CountMatch(s, nine, {7, 7, kLimit, 1}, i != 1);
      CountMatch(s, nine, {}, true);
      CountGivenUp(s, nine, {1, 0, 0, kLimit});
      ASSERT_NO_THROW(ReadStatistics(WriteStatistics(s))) << WriteStatistics(s);
    }
  }
}

// Two copies counting matches at once lose none of each other's: the read,
// the change and the write happen under the statistics' lock.
TEST(PlayerFiles, TwoCopiesCountingAtOnceLoseNothing) {
  test::TempFolder root;
  const std::string path = root.Path() + "/verlano";
  constexpr int kMatches = 150;
  pid_t copies[2];
  for (pid_t& copy : copies) {
    copy = fork();
    ASSERT_GE(copy, 0);
    if (copy == 0) {
      std::string note;
      const GameFolder folder = GameFolder::Open(path, note);
      int problems = 0;
      for (int i = 0; i < kMatches; ++i) {
        // Each copy updates in a tight loop, far more often than a game
        // does, so the wait is long: it only stops a hang.
        UpdateStatistics(
            folder, [](Statistics& s) { CountGivenUp(s, Options{}, {2, 1, 2, 0}); },
            [&](const std::string&) { ++problems; }, std::chrono::seconds(60));
      }
      _exit(problems == 0 && folder.Usable() ? 0 : 1);
    }
  }
  for (const pid_t copy : copies) {
    int status = 0;
    ASSERT_EQ(waitpid(copy, &status, 0), copy);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::string note;
  const Statistics counted = LoadStatistics(OpenOrFail(path), note);
  EXPECT_EQ(note, "");
  EXPECT_EQ(counted.rows.at("nine.classic").played, 2 * kMatches);
  EXPECT_EQ(counted.rows.at("nine.classic").hands, 4 * kMatches);
  EXPECT_EQ(counted.rows.at("nine.classic").sweeps, 2 * kMatches);
}

// The match's lock belongs to one holder at a time, and is free again once
// the holder ends.
TEST(PlayerFiles, TheMatchLockHasOneHolder) {
  test::TempFolder root;
  const GameFolder folder = OpenOrFail(root.Path() + "/verlano");
  const GameFolder again = OpenOrFail(root.Path() + "/verlano");
  {
    FolderLock first;
    ASSERT_FALSE(folder.Lock("match.lock", std::chrono::milliseconds(0), first));
    FolderLock second;
    EXPECT_EQ(again.Lock("match.lock", std::chrono::milliseconds(30), second),
              std::errc::operation_would_block);
    EXPECT_FALSE(second.Held());
  }
  FolderLock later;
  EXPECT_FALSE(again.Lock("match.lock", std::chrono::milliseconds(0), later));
  EXPECT_TRUE(later.Held());
}

// A continued match plays by the kept match's rules with the player's helps
// and animation speed as they are now: what is ticked in the dialog is not
// lost to Continue.
TEST(PlayerFiles, AContinuedMatchKeepsThePlayersHelps) {
  Options played;
  played.variant = Variant::Napoletane;
  played.opponents = PlayerLevel::Expert;
  played.deck = DeckChoice::Royal;
  Game game(played, 3);
  test::PlayToQuietMoment(game);
  test::TempFolder root;
  const GameFolder folder = OpenOrFail(root.Path() + "/verlano");
  ASSERT_EQ(KeepFile(folder, kMatchFile, WriteMatch(game)), "");
  std::string note;
  const std::optional<KeptMatch> kept = LoadKeptMatch(folder, note);
  ASSERT_TRUE(kept) << note;
  // The file keeps what decides the play, not the player's helps.
  EXPECT_EQ(kept->text.find("show-hints"), std::string::npos);
  EXPECT_EQ(kept->text.find("take-only-capture"), std::string::npos);
  EXPECT_EQ(kept->text.find("hold-last-table"), std::string::npos);
  for (const bool on : {false, true}) {
    Options players;
    players.showHints = on;
    players.takeOnlyCapture = !on;
    players.holdLastTable = on;
    players.animation = on ? AnimationSpeed::Fast : AnimationSpeed::Slow;
    const Options continued = OptionsToContinue(*kept, players);
    EXPECT_EQ(continued.showHints, on);
    EXPECT_EQ(continued.takeOnlyCapture, !on);
    EXPECT_EQ(continued.holdLastTable, on);
    EXPECT_EQ(continued.variant, Variant::Napoletane);
    EXPECT_EQ(continued.opponents, PlayerLevel::Expert);
    EXPECT_EQ(continued.deck, DeckChoice::Royal);
    // And the match loads into a game of those options.
    Game resumed(continued, 0);
    EXPECT_NO_THROW(ReadMatch(kept->text, resumed));
    EXPECT_EQ(resumed.settings.ShowHints, on);
    EXPECT_EQ(resumed.settings.Animation, players.animation);
    EXPECT_EQ(resumed.layout.PauseMs, Game(players, 0).layout.PauseMs) << "the speed's pauses";
    // Kept again, it goes on at the speed it was continued at.
    EXPECT_EQ(MatchOptions(WriteMatch(resumed)).animation, players.animation);
  }
}

TEST(PlayerFiles, TheKeeperKeepsTheMatchUntilItIsDecided) {
  test::TempFolder root;
  const PlayerFiles files{OpenOrFail(root.Path() + "/state/verlano"),
                          OpenOrFail(root.Path() + "/data/verlano"),
                          OpenOrFail(root.Path() + "/config/verlano"),
                          OpenOrFail(root.Path() + "/data/verlano/matches")};
  std::vector<std::string> said;
  MatchKeeper keeper(files, Options{}, PlayerSettings{},
                     [&](const std::string& line) { said.push_back(line); });
  Game game(Options{}, 5);
  test::PlayToQuietMoment(game);
  keeper.QuietMoment(game);
  std::string note;
  const auto kept = LoadKeptMatch(files.state, note);
  ASSERT_TRUE(kept) << note;
  EXPECT_EQ(kept->text, WriteMatch(game));

  game.turn.GameState = PlayState::HandOver;
  game.score.We.Sweeps = 3;
  game.score.We.Total = 4;
  game.score.They.Total = 7;
  game.match.Tally = {1, 3, 4, 7};
  game.match.MatchOver = true;
  game.match.Result = MatchResult::Won;
  keeper.QuietMoment(game);
  EXPECT_FALSE(std::filesystem::exists(files.state.PathOf(kMatchFile)));
  const Statistics counted = LoadStatistics(files.data, note);
  EXPECT_EQ(counted.rows.at("nine.classic"), (StatisticsRow{1, 1, 0, 1, 3, 1, 1, 4, 7}));
  // A won match between even sides: the first estimate, 1500 + 64 x 0.5.
  EXPECT_EQ(counted.ratings.at("nine.rating"), (PlayerRating{1532, 1}));
  // The match's record, its one hand as far as it was played.
  ASSERT_EQ(RecordsNewestFirst(files.matches).size(), 1U);
  keeper.MuteChanged(true);
  EXPECT_TRUE(LoadSettings(files.config, note).muted);
  EXPECT_TRUE(said.empty());
}

}  // namespace
}  // namespace verlano
