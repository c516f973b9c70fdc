#include "sim/kept_reload.h"

#include "memory/match_file.h"

namespace verlano::sim {

void ReloadKeptMatch(GameRun& run, const std::string& text) {
  Game fresh(MatchOptions(text), 0, &run.sound);
  ReadMatch(text, fresh);
  fresh.search = run.game.search;
  run.game = std::move(fresh);
}

}  // namespace verlano::sim
