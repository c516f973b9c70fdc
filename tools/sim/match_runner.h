#pragma once
// `verlano-sim play`: whole matches through the game's real frame loop on the
// headless platform, seat 0 played with the mouse by the automated player, the
// fake clock moving 16 ms a frame, every invariant checked as it goes.

#include <cstdint>
#include <iosfwd>
#include <string>

#include "game/game_run.h"
#include "memory/game_folder.h"
#include "platform/headless_platform.h"
#include "rules/settings.h"

namespace verlano::sim {

struct PlayConfig {
  Options options;
  int matches = 1;
  std::uint64_t seed = 1;
  bool trace = false;       // a line per change of play state
  bool quiet = false;       // only the summary line
  bool sortKey = false;     // also sort the hand with R now and then
  bool everyFrame = false;  // run the quiet frames of a pause too (to check the skip)
  int saveEvery = 0;        // keep the match at every K-th quiet moment and go on from the file
  bool resumed = false;     // goes on from a kept match, which may already be decided
  GameFolder records;       // when usable, each match recorded there as match-K.rec
};

// Plays the matches with the archive found in `archiveFolder`. Returns 0, 1
// when the run could not start, 2 when a check broke (the line says which).
int RunPlay(const PlayConfig& config, const std::string& archiveFolder, std::ostream& out);

// Plays the run, already started, on: what RunPlay does after the start, and
// `verlano-sim resume` after a kept match was loaded. `matchFile` is where
// --save-every keeps the match. The run is left going (QuitGame ends it).
int PlayOn(const PlayConfig& config, GameRun& run, HeadlessPlatform& platform, std::ostream& out,
           const std::string& matchFile);

}  // namespace verlano::sim
