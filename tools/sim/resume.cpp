#include "sim/resume.h"

#include <ostream>

#include "files/read_file.h"
#include "memory/folder_steps.h"
#include "memory/match_file.h"
#include "memory/records.h"
#include "sim/match_runner.h"
#include "sim/private_resources.h"

namespace verlano::sim {

namespace {

// Far more than any match file the game writes, as the game reads it.
constexpr std::size_t kLongestMatchFile = 1 << 20;

}  // namespace

int RunResume(const std::vector<std::string>& args, const std::string& archiveFolder,
              std::ostream& out, std::ostream& err) {
  PlayConfig config;
  std::string file;
  for (const std::string& a : args) {
    if (a == "--trace") {
      config.trace = true;
    } else if (a == "--quiet") {
      config.quiet = true;
    } else if (file.empty() && !a.starts_with("--")) {
      file = a;
    } else {
      err << "verlano-sim resume: unknown or extra argument '" << a << "'\n";
      return 2;
    }
  }
  if (file.empty()) {
    err << "verlano-sim resume: the match file is required\n";
    return 2;
  }
  std::string text;
  if (const std::error_code e = ReadSmallFile(file, kLongestMatchFile, text)) {
    err << "verlano-sim resume: cannot read " << file << ": " << Reason(e) << "\n";
    return 1;
  }
  try {
    // As the game does before it offers Continue: the file loaded whole.
    config.options = MatchOptions(text);
    Game probe(config.options, 0);
    ReadMatch(text, probe);
  } catch (const RecordError& e) {
    err << "verlano-sim resume: " << file << " cannot be used: " << e.what() << "\n";
    return 1;
  }
  PrivateResources resources(archiveFolder);
  if (!resources.Error().empty()) {
    err << "verlano-sim: " << resources.Error() << "\n";
    return 1;
  }
  HeadlessPlatform platform;
  GameRun run(config.options, 0, platform, resources.Folder());
  run.start.Resume = [&text](Game& game) { ReadMatch(text, game); };
  if (!StartRun(run)) {
    err << "verlano-sim: " << platform.ShutDownMessage() << "\n";
    return 1;
  }
  config.resumed = true;
  const int status = PlayOn(config, run, platform, out, resources.MatchFile());
  QuitGame(run);
  return status;
}

}  // namespace verlano::sim
