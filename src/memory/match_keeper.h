#pragma once
// What the table keeps of a run in the player's files: the match at every
// quiet moment (removed once the match is decided) and its record, the
// statistics once the match is decided, and the sound's M in the settings.
// A file that cannot be written is said once on standard error; the game
// plays on.

#include <functional>
#include <string>

#include "game/game_run.h"
#include "memory/match_recorder.h"
#include "memory/player_memory.h"

namespace verlano {

class MatchKeeper final : public RunObserver {
 public:
  // `say` takes each one-line problem (standard error in the game).
  MatchKeeper(PlayerFiles files, Options options, PlayerSettings settings,
              std::function<void(const std::string&)> say);

  // The kept match, just loaded at the quiet moment it was kept at (the run
  // does not tell of that moment again): its record goes on.
  void Resumed(const Game& game);

  void QuietMoment(const Game& game) override;
  void MuteChanged(bool muted) override;

 private:
  void Say(const std::string& problem);

  PlayerFiles files_;
  Options options_;
  PlayerSettings settings_;
  std::function<void(const std::string&)> say_;
  std::string lastProblem_;
  MatchRecorder recorder_;
};

}  // namespace verlano
