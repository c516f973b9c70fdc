#pragma once
// A kept match loaded in place of the one a simulator run plays, as the save
// chain and the match loader's fuzz target load it: into a fresh game of the
// file's options, then moved into the run, which keeps its own sound and its
// own worker for the expert searches.

#include <string>

#include "game/game_run.h"

namespace verlano::sim {

// A RecordError with the reason when the file cannot be loaded; the run's
// game is then left as it was.
void ReloadKeptMatch(GameRun& run, const std::string& text);

}  // namespace verlano::sim
