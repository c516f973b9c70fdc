#pragma once
// The records of the matches folder as a player chooses among them: newest
// first, each read whole and walked through the rules, with how its match
// stands. A record that cannot be read, or holds a play the rules do not
// allow, is said in one line and kept aside, as any damaged file of the
// player's is.

#include <functional>
#include <string>
#include <vector>

#include "memory/game_folder.h"
#include "memory/match_record.h"
#include "memory/record_walk.h"

namespace verlano {

struct ListedRecord {
  std::string name;
  MatchRecord record;
  RecordOutcome outcome;
};

std::vector<ListedRecord> ListRecords(const GameFolder& folder, const CardTables& cards,
                                      const std::function<void(const std::string&)>& say);

}  // namespace verlano
