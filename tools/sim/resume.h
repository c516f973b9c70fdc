#pragma once
// `verlano-sim resume FILE [--trace] [--quiet]`: a kept match loaded as the
// game's Continue loads it (checked whole first, then read into the run's
// fresh game at its start) and played headless to the match's end, with
// every check of `verlano-sim play`.

#include <iosfwd>
#include <string>
#include <vector>

namespace verlano::sim {

// 0 once the match has ended; 1 with the refusal's one line on `err` when the
// file cannot be used (or the run cannot start); 2 for a bad command line
// (with the reason on `err`) or a broken check (as `play`).
int RunResume(const std::vector<std::string>& args, const std::string& archiveFolder,
              std::ostream& out, std::ostream& err);

}  // namespace verlano::sim
