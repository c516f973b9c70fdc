#pragma once
// A record file named on the simulator's command line, read and its form
// checked, for `replay` and `review`.

#include <string>

#include "memory/match_record.h"

namespace verlano::sim {

// "" or what is wrong with the file.
std::string ReadRecordFile(const std::string& path, MatchRecord& record);

}  // namespace verlano::sim
