#include "memory/player_folders.h"

namespace verlano {

namespace {

bool Absolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

}  // namespace

std::string PlayerFolder(XdgFolder folder, const EnvReader& env) {
  const char* variable = "XDG_STATE_HOME";
  const char* fallback = "/.local/state";
  if (folder == XdgFolder::Data) {
    variable = "XDG_DATA_HOME";
    fallback = "/.local/share";
  } else if (folder == XdgFolder::Config) {
    variable = "XDG_CONFIG_HOME";
    fallback = "/.config";
  }
  if (const char* set = env(variable); Absolute(set)) return std::string(set) + "/verlano";
  if (const char* home = env("HOME"); Absolute(home)) {
    return std::string(home) + fallback + "/verlano";
  }
  return "";
}

}  // namespace verlano
