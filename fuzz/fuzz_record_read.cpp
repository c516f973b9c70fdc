// Feeds arbitrary text to the record reader, as `verlano-sim replay` and the
// Statistics tab read a match record: the text is refused with a reason of
// one line, or the record it holds writes back to text that reads to the
// same record, and is walked on the engine and its seat 0 reviewed (a few
// deals a judgement), any fault of its plays refused in one line. An abort
// or any fault the sanitizers see is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/judgement.h"
#include "memory/match_record.h"
#include "memory/record_review.h"
#include "memory/records.h"

namespace {

bool OneLine(const std::string& text) {
  return !text.empty() && text.find('\n') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const verlano::CardTables cards = [] {
    verlano::CardTables built;
    verlano::BuildCardNames(built);
    return built;
  }();
  const std::string text(reinterpret_cast<const char*>(data), size);
  verlano::MatchRecord record;
  try {
    record = verlano::ReadRecord(text, cards);
  } catch (const verlano::RecordError& e) {
    if (!OneLine(e.what())) abort();
    return 0;
  }
  const std::string written = verlano::WriteRecord(record, cards);
  if (verlano::WriteRecord(verlano::ReadRecord(written, cards), cards) != written) abort();
  verlano::engine::Judge judge({.deals = 2, .minDeals = 1, .workBudget = 20000});
  verlano::RecordReview review;
  const std::string problem = verlano::ReviewRecord(record, 0, judge, review);
  if (!problem.empty() && !OneLine(problem)) abort();
  return 0;
}
