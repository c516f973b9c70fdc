#pragma once
// The player's three files as the game uses them: where they are, and each
// loaded with its damage handled in one place. A file that cannot be used is
// moved aside as NAME.bad, the reason is said in one line, and the game goes
// on with a fresh value: nothing here stops or blocks a start. The
// statistics are read, changed and written under a lock, so two copies of the
// game never lose each other's counts.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "memory/game_folder.h"
#include "memory/player_folders.h"
#include "memory/player_settings.h"
#include "memory/statistics.h"
#include "rules/game.h"

namespace verlano {

inline constexpr const char* kMatchFile = "match";
inline constexpr const char* kStatisticsFile = "statistics";
inline constexpr const char* kSettingsFile = "settings";

struct PlayerFiles {
  GameFolder state;    // $XDG_STATE_HOME/verlano: the match
  GameFolder data;     // $XDG_DATA_HOME/verlano: the statistics
  GameFolder config;   // $XDG_CONFIG_HOME/verlano: the settings
  GameFolder matches;  // $XDG_DATA_HOME/verlano/matches: the records of the matches played
};

// Opens the three folders; each that cannot be used (no HOME, a link, a
// path too long) is said in `notes`, one line each, and keeps nothing.
PlayerFiles OpenPlayerFiles(const EnvReader& env, std::vector<std::string>& notes);

// A match kept from an earlier run, checked whole.
struct KeptMatch {
  Options options;
  std::string text;
  int we = 0, they = 0;    // the match totals so far
  bool takenBack = false;  // a play was taken back: counted apart when given up
  // Kept at the player's turn and left after the play from it: continued, it
  // goes back before that play, and is taken back (given up, it is given up).
  bool leftAfterPlay = false;
  MatchTally tally{};      // the hands a give-up counts with it
};

// Loads the kept match into `game`, made fresh with its options to continue
// (a RecordError as ReadMatch); one left after a play is taken back.
void ResumeKeptMatch(const KeptMatch& kept, Game& game);

// The options a continued match plays with: the kept match's rules, deck and
// levels, and the player's own helps and animation speed, which decide no
// play: they are the player's, not the match's.
Options OptionsToContinue(const KeptMatch& kept, const Options& players);

// Each gives the file's value, or the fresh one when the file is missing or
// cannot be used; `note` is then the one-line reason (else left empty).
std::optional<KeptMatch> LoadKeptMatch(const GameFolder& folder, std::string& note);
Statistics LoadStatistics(const GameFolder& folder, std::string& note);
PlayerSettings LoadSettings(const GameFolder& folder, std::string& note);

// Writes a file atomically; "" or the one-line reason.
[[nodiscard]] std::string KeepFile(const GameFolder& folder, const std::string& name,
                                   const std::string& text);

// Removes a kept file; "" or the one-line reason.
[[nodiscard]] std::string ForgetFile(const GameFolder& folder, const std::string& name);

// Another copy holds the statistics only while it writes them; this is long
// enough for that and short enough not to be felt at a hand's end.
inline constexpr std::chrono::milliseconds kStatisticsWait{500};

// Reads the statistics, applies `change` and writes them back, holding their
// lock throughout (waiting at most `wait` for it); each problem met is handed
// to `say` in one line.
void UpdateStatistics(const GameFolder& folder, const std::function<void(Statistics&)>& change,
                      const std::function<void(const std::string&)>& say,
                      std::chrono::milliseconds wait = kStatisticsWait);

// Removes the statistics under their lock; "" or the one-line reason.
[[nodiscard]] std::string ResetStatistics(const GameFolder& folder);

}  // namespace verlano
