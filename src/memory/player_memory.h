#pragma once
// The player's three files as the game uses them: where they are, and each
// loaded with its damage handled in one place. A file that cannot be used is
// moved aside as NAME.bad, the reason is said in one line, and the game goes
// on with a fresh value: nothing here stops or blocks a start.

#include <optional>
#include <string>

#include "memory/player_folders.h"
#include "memory/player_settings.h"
#include "memory/statistics.h"
#include "rules/game.h"

namespace verlano {

struct PlayerFiles {
  std::string match;       // $XDG_STATE_HOME/verlano/match
  std::string statistics;  // $XDG_DATA_HOME/verlano/statistics
  std::string settings;    // $XDG_CONFIG_HOME/verlano/settings
};

// Empty paths where no folder can be found (no HOME): nothing is kept then.
PlayerFiles FindPlayerFiles(const EnvReader& env);

// A match kept from an earlier run, checked whole.
struct KeptMatch {
  Options options;
  std::string text;
  int we = 0, they = 0;  // the match totals so far
};

// Each gives the file's value, or the fresh one when the file is missing or
// cannot be used; `note` is then the one-line reason (else left empty).
std::optional<KeptMatch> LoadKeptMatch(const std::string& path, std::string& note);
Statistics LoadStatistics(const std::string& path, std::string& note);
PlayerSettings LoadSettings(const std::string& path, std::string& note);

// Writes a file atomically, making its folder; "" or the one-line reason.
std::string KeepFile(const std::string& path, const std::string& text);

// Removes a kept file; "" or the one-line reason.
std::string ForgetFile(const std::string& path);

}  // namespace verlano
