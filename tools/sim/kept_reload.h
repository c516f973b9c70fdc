#pragma once
// A kept match loaded in place of the one a simulator run plays, as the save
// chain and the match loader's fuzz target load it: into a fresh game of the
// file's options, then moved into the run, which keeps its own sound and its
// own worker for the expert searches.

#include <iosfwd>
#include <string>

#include "game/game_run.h"
#include "platform/headless_platform.h"

namespace verlano::sim {

// A RecordError with the reason when the file cannot be loaded; the run's
// game is then left as it was.
void ReloadKeptMatch(GameRun& run, const std::string& text);

// The text loaded so, then played on to the match's end with every check of
// `verlano-sim play`, quietly: 1 with the reason in `refusal` when it cannot be
// loaded, else 0, or 2 when a check broke (said on standard error).
int ReloadAndPlay(GameRun& run, HeadlessPlatform& platform, const std::string& text,
                  std::ostream& out, std::string& refusal);

}  // namespace verlano::sim
