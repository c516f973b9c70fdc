#pragma once
// The simulator's commands on the compact engine:
//   duel --variant V --matches N --seed S --us LEVEL --them LEVEL [--samples K] [--threads T]
//   ladder --variant V --matches N --seed S [--threads T]
//   agree --positions N --seed S
// `agree` runs the three agreement checks against the game's own code and
// prints one line each; it exits 1 when any position disagreed.

#include <iosfwd>
#include <string>
#include <vector>

namespace verlano::sim {

// Runs the command named by args[0]; 2 with a message on `err` for a bad command line.
int RunEngineCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace verlano::sim
