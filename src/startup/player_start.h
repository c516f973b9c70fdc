#pragma once
// The player's files around the dialog: read before it opens (the options
// last played, the statistics, a kept match; a damaged one said on standard
// error and in the dialog), and, once Play or Continue is pressed, the
// options remembered, a kept match given up or resumed, and the table run
// with the keeper that writes the files as the match goes on.

#include <optional>
#include <string>

#include "memory/game_folder.h"
#include "memory/player_memory.h"
#include "startup/startup_dialog.h"

namespace verlano {

inline constexpr const char* kMatchLock = "match.lock";

struct PlayerStart {
  PlayerFiles files;
  FolderLock matchLock;  // held for the run by the copy that may keep the match
  PlayerSettings settings;
  std::optional<KeptMatch> kept;
  DialogMemory memory;
};

PlayerStart LoadPlayerStart();

// Gives the program's exit status, as PressPlay.
int PlayChosen(StartupDialog& dialog, PlayerStart& start, const DialogState& chosen,
               const std::string& resPath);

}  // namespace verlano
