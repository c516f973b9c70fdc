#include "memory/record_list.h"

#include "i18n/translate.h"
#include "memory/match_recorder.h"
#include "memory/shown_text.h"

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
      const std::string path = ShownPath(folder.PathOf(file.name));
      say(folder.KeepAside(file.name)
              ? Format(_("the record %s cannot be replayed: %s; it is passed over"), path.c_str(),
                       fault.c_str())
              : Format(_("the record %s cannot be replayed: %s; it is kept as %s.bad"),
                       path.c_str(), fault.c_str(), path.c_str()));
      continue;
    }
    listed.push_back(std::move(one));
  }
  return listed;
}

}  // namespace verlano
