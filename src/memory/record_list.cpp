#include "memory/record_list.h"

#include "memory/match_recorder.h"

namespace verlano {

std::vector<ListedRecord> ListRecords(const GameFolder& folder, const CardTables& cards,
                                      const std::function<void(const std::string&)>& say) {
  std::vector<ListedRecord> listed;
  for (const FolderFile& file : RecordsNewestFirst(folder)) {
    ListedRecord one;
    one.name = file.name;
    const std::string problem = LoadRecord(folder, file.name, cards, one.record);
    if (!problem.empty()) {
      say(problem);
      continue;
    }
    const std::string fault = OutcomeOf(one.record, one.outcome);
    if (!fault.empty()) {
      say(SetRecordAside(folder, file.name, RecordFault::Impossible, fault));
      continue;
    }
    listed.push_back(std::move(one));
  }
  return listed;
}

}  // namespace verlano
