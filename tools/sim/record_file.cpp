#include "sim/record_file.h"

#include "files/read_file.h"
#include "memory/folder_steps.h"
#include "memory/records.h"

namespace verlano::sim {

namespace {

// Far more than a record of the longest match.
constexpr std::size_t kLongestRecord = 1 << 20;

}  // namespace

std::string ReadRecordFile(const std::string& path, MatchRecord& record) {
  std::string text;
  // In the words `resume` and the game use.
  if (const std::error_code ec = ReadSmallFile(path, kLongestRecord, text)) return Reason(ec);
  CardTables cards;
  BuildCardNames(cards);
  try {
    record = ReadRecord(text, cards);
  } catch (const RecordError& e) {
    return e.what();
  }
  return "";
}

}  // namespace verlano::sim
