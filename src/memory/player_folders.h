#pragma once
// Where a player's files live: the XDG base folders, each with a "verlano"
// folder of the game's. A variable that is unset, empty or not an absolute
// path gives way to its XDG default under $HOME.

#include <functional>
#include <string>

namespace verlano {

enum class XdgFolder {
  State,   // $XDG_STATE_HOME, else ~/.local/state: the match in play
  Data,    // $XDG_DATA_HOME, else ~/.local/share: the statistics
  Config,  // $XDG_CONFIG_HOME, else ~/.config: the settings
};

using EnvReader = std::function<const char*(const char* name)>;

// "/home/ann/.local/state/verlano"; empty when neither the variable nor HOME
// gives an absolute path.
std::string PlayerFolder(XdgFolder folder, const EnvReader& env);

}  // namespace verlano
