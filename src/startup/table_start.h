#pragma once
// Opening the game table once the dialog is gone: the game run on the SDL
// platform, given the options and the unpacked resources.

#include "game/game_run.h"
#include "rules/settings.h"

namespace verlano {

// Runs the game to its end and gives the program's exit status.
int StartTable(const Options& options, ResourceFolder folder, RunStart start);

}  // namespace verlano
