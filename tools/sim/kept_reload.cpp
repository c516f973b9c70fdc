#include "sim/kept_reload.h"

#include "memory/match_file.h"
#include "memory/records.h"
#include "sim/match_runner.h"

namespace verlano::sim {

void ReloadKeptMatch(GameRun& run, const std::string& text) {
  Game fresh(MatchOptions(text), 0, &run.sound);
  ReadMatch(text, fresh);
  fresh.search = run.game.search;
  run.game = std::move(fresh);
}

int ReloadAndPlay(GameRun& run, HeadlessPlatform& platform, const std::string& text,
                  std::ostream& out, std::string& refusal) {
  try {
    ReloadKeptMatch(run, text);
  } catch (const RecordError& e) {
    refusal = e.what();
    return 1;
  }
  PlayConfig config;
  config.quiet = true;
  config.resumed = true;
  return PlayOn(config, run, platform, out, "");
}

}  // namespace verlano::sim
