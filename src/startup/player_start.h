#pragma once
// The player's files around the dialog: read before it opens (the options
// last played, the statistics, a kept match; a damaged one said on standard
// error and in the dialog), and, once Play or Continue is pressed, the
// options remembered, a kept match given up or resumed, and the table run
// with the keeper that writes the files as the match goes on.

#include <optional>
#include <string>

#include "memory/player_memory.h"
#include "startup/startup_dialog.h"

namespace verlano {

struct PlayerStart {
  PlayerFiles files;
  PlayerSettings settings;
  std::optional<KeptMatch> kept;
  DialogMemory memory;
};

PlayerStart LoadPlayerStart();

// Gives the program's exit status, as PressPlay.
int PlayChosen(StartupDialog& dialog, PlayerStart& start, const DialogState& chosen,
               const std::string& resPath);

}  // namespace verlano
