// Feeds arbitrary text to the match loader, as the save chain loads a kept
// match into a run of the game on the headless platform: the text is
// refused with a reason of one line, or the match it holds is played on to
// its end by the simulator's seat 0 with every check of `verlano-sim play`.
// The hand's story of a match it takes must replay as the record the game
// begins from it (`verlano-sim replay` walks it so). A check that breaks, a
// match that does not end, a story the replay refuses, or any fault the
// sanitizers see is a finding.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "memory/match_file.h"
#include "memory/record_walk.h"
#include "memory/records.h"
#include "sim/kept_reload.h"
#include "sim/private_resources.h"

namespace {

std::string ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

// One run of the game for every input, started once on the archive beside
// the program (scripts/fuzz_build.sh builds it there).
struct Table {
  verlano::sim::PrivateResources resources{ProgramFolder()};
  verlano::HeadlessPlatform platform;
  verlano::GameRun run{verlano::Options{}, 1, platform, resources.Folder()};

  Table() {
    if (!resources.Error().empty() || !verlano::StartRun(run)) abort();
  }
};

// Aborts when the text loads but its story is not one the replay takes.
void CheckStoryReplays(const std::string& text) {
  try {
    const verlano::Options options = verlano::MatchOptions(text);
    verlano::Game game(options, 0);
    verlano::ReadMatch(text, game);
    const verlano::MatchRecord record{.options = options, .hands = {verlano::RecordHand(game)}};
    verlano::RecordOutcome outcome;
    if (!verlano::OutcomeOf(record, outcome).empty()) abort();
  } catch (const verlano::RecordError&) {
    // Refused: the reload below says why.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Table table;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::ostringstream out;
  std::string refusal;
  CheckStoryReplays(text);
  const int status = verlano::sim::ReloadAndPlay(table.run, table.platform, text, out, refusal);
  if (status == 1 && !refusal.empty() && refusal.find('\n') == std::string::npos) return 0;
  if (status != 0) abort();
  return 0;
}
