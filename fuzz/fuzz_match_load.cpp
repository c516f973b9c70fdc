// Feeds arbitrary text to the match loader, as the save chain loads a kept
// match into a run of the game on the headless platform: the text is
// refused with a reason of one line, or the match it holds is played on to
// its end by the simulator's seat 0 with every check of `verlano-sim play`.
// A check that breaks, a match that does not end, or any fault the
// sanitizers see is a finding.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Table table;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::ostringstream out;
  std::string refusal;
  const int status = verlano::sim::ReloadAndPlay(table.run, table.platform, text, out, refusal);
  if (status == 1 && !refusal.empty() && refusal.find('\n') == std::string::npos) return 0;
  if (status != 0) abort();
  return 0;
}
