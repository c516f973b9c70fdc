#pragma once
// What the table keeps of a run in the player's files: the match at every
// quiet moment (removed once the match is decided), marked the moment the
// player's play from it is made (so that a run left before the next quiet
// moment never undoes a play unflagged), and its record, the statistics once
// the match is decided, and the sound's M in the settings. A file
// that cannot be written is said once on standard error; the game plays on.

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
  void PlayMade() override;
  void MuteChanged(bool muted) override;

 private:
  void Say(const std::string& problem);
  // The match at the player's turn now kept, as it is to be kept once the
  // play from it is made; empty at a hand's end.
  void PrepareLeftAfterPlay(const Game& game);

  PlayerFiles files_;
  Options options_;
  PlayerSettings settings_;
  std::function<void(const std::string&)> say_;
  std::string lastProblem_;
  std::string leftAfterPlay_;
  MatchRecorder recorder_;
};

}  // namespace verlano
