#pragma once
// The settings the dialog opens with: the last options played and the sound.
// Read leniently, so that files of other versions of the game work: a key or
// a line it does not know is passed over, a key left out keeps its default;
// a value that is there is checked like every other value the game loads.

#include <string>
#include <string_view>

#include "rules/settings.h"

namespace verlano {

inline constexpr std::string_view kSettingsHeader = "verlano-settings 1";
inline constexpr int kMaxVolume = 100;

struct PlayerSettings {
  Options options;
  int volume = kMaxVolume;  // percent of the full loudness
  bool muted = false;       // M at the table
};

std::string WriteSettings(const PlayerSettings& settings);
// A RecordError when a known value is out of range or the file is no settings file.
PlayerSettings ReadSettings(std::string_view text);

}  // namespace verlano
