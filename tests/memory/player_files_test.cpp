#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "memory/atomic_file.h"
#include "memory/match_file.h"
#include "memory/match_keeper.h"
#include "memory/player_memory.h"
#include "memory/quiet_game.h"
#include "memory/temp_folder.h"

namespace verlano {
namespace {

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

// A damaged file of each kind gives a one-line note, is kept as NAME.bad,
// and the fresh value is used; a missing one says nothing.
TEST(PlayerFiles, DamagedFilesAreKeptAsideWithAWord) {
  test::TempFolder folder;
  const std::string base = folder.Path() + "/";
  std::string note;
  EXPECT_FALSE(LoadKeptMatch(base + "match", note));
  EXPECT_EQ(LoadStatistics(base + "statistics", note), Statistics{});
  EXPECT_EQ(note, "");

  const struct {
    const char* name;
    std::string text;
    const char* reason;
  } cases[] = {
      {"match", "verlano-match 1\nturn seat=0\n", "cut short"},
      {"statistics", "verlano-statistics 1\nnine.classic played=1 won=3\nend\n", "lacks lost"},
      {"statistics", "verlano-statistics 1\nchess.classic played=1\nend\n", "unknown variant"},
      {"settings", "verlano-settings 1\nsound volume=400\nend\n", "volume=400 (from 0 to 100)"},
      {"settings", std::string("\0\0\0", 3), "does not begin with"},
  };
  for (const auto& c : cases) {
    const std::string path = base + c.name;
    ASSERT_FALSE(WriteAtomically(path, c.text));
    if (std::string(c.name) == "match") {
      EXPECT_FALSE(LoadKeptMatch(path, note));
    } else if (std::string(c.name) == "statistics") {
      EXPECT_EQ(LoadStatistics(path, note), Statistics{});
    } else {
      EXPECT_EQ(LoadSettings(path, note).volume, kMaxVolume);
    }
    EXPECT_NE(note.find(c.reason), std::string::npos) << note;
    EXPECT_NE(note.find("kept as " + path + ".bad"), std::string::npos) << note;
    EXPECT_EQ(note.find('\n'), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
    std::string kept;
    ASSERT_FALSE(ReadSmallFile(path + ".bad", 1000, kept));
    EXPECT_EQ(kept, c.text);
  }
}

TEST(PlayerFiles, SettingsPassOverWhatTheyDoNotKnow) {
  const PlayerSettings read = ReadSettings(
      "verlano-settings 1\noptions variant=umbria show-hints=1\nwindow x=3\nsound muted=1\nend\n");
  EXPECT_EQ(read.options.variant, Variant::UmbriaMarche);
  EXPECT_EQ(read.options.deck, DeckChoice::Trevigiano);
  EXPECT_TRUE(read.muted);
  EXPECT_EQ(read.volume, kMaxVolume);
  PlayerSettings s;
  s.options.deck = DeckChoice::Royal;
  s.options.partner = PlayerLevel::Expert;
  s.volume = 35;
  const PlayerSettings back = ReadSettings(WriteSettings(s));
  EXPECT_EQ(back.options.deck, DeckChoice::Royal);
  EXPECT_EQ(back.options.partner, PlayerLevel::Expert);
  EXPECT_EQ(back.volume, 35);
}

TEST(PlayerFiles, StatisticsCountStreaksAndGivenUpMatches) {
  Options nine;
  Options romaneExtra;
  romaneExtra.variant = Variant::Romane;
  romaneExtra.extraCoinPoints = true;
  romaneExtra.opponents = PlayerLevel::Expert;
  Statistics s;
  for (const bool won : {true, true, false, true}) CountMatch(s, nine, won);
  CountHand(s, nine, 2);
  CountGivenUp(s, romaneExtra);
  EXPECT_EQ(s.rows["nine.classic"], (StatisticsRow{4, 3, 1, 1, 2, 2, 1}));
  EXPECT_EQ(s.rows["romane-extra.expert"], (StatisticsRow{1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ReadStatistics(WriteStatistics(s)), s);
}

TEST(PlayerFiles, TheKeeperKeepsTheMatchUntilItIsDecided) {
  test::TempFolder folder;
  const PlayerFiles files{folder.Path() + "/state/verlano/match",
                          folder.Path() + "/data/verlano/statistics",
                          folder.Path() + "/config/verlano/settings"};
  std::vector<std::string> said;
  MatchKeeper keeper(files, Options{}, PlayerSettings{},
                     [&](const std::string& line) { said.push_back(line); });
  Game game(Options{}, 5);
  test::PlayToQuietMoment(game);
  keeper.QuietMoment(game);
  std::string note;
  const auto kept = LoadKeptMatch(files.match, note);
  ASSERT_TRUE(kept) << note;
  EXPECT_EQ(kept->text, WriteMatch(game));

  game.turn.GameState = PlayState::EndOfMatch;
  game.score.We.Sweeps = 3;
  game.match.MatchOver = true;
  game.match.MatchResultText = "We Won!";
  keeper.QuietMoment(game);
  EXPECT_FALSE(std::filesystem::exists(files.match));
  EXPECT_EQ(LoadStatistics(files.statistics, note).rows["nine.classic"],
            (StatisticsRow{1, 1, 0, 1, 3, 1, 1}));
  keeper.MuteChanged(true);
  EXPECT_TRUE(LoadSettings(files.settings, note).muted);
  EXPECT_TRUE(said.empty());
}

}  // namespace
}  // namespace verlano
