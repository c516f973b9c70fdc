#pragma once
// verlano-sim replay FILE...: recorded matches played again on the engine,
// each hand dealt from its recorded pack and every play checked legal where
// it was made, printing the hand and match lines `play` printed for them
// (the files numbered as given). Exit 1 with the file and the reason on a
// file that cannot be read or a play that is not legal there.

#include <ostream>
#include <string>
#include <vector>

#include "memory/match_record.h"

namespace verlano::sim {

// Replays one record as match number `match`; "" or what is wrong with it.
std::string ReplayMatch(const MatchRecord& record, int match, std::ostream& out);

int RunReplay(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);

}  // namespace verlano::sim
