#include "game/turn_pause.h"

#include "rules/game.h"

namespace verlano {

void StartPause(Game& game, std::uint32_t milliseconds) {
  TurnState& turn = game.turn;
  turn.ResumeState = turn.GameState;
  EnterState(turn, PlayState::Paused);
  turn.PauseStart = turn.TickNow;
  turn.PauseLength = milliseconds;
}

std::uint64_t QuietPauseFrames(const Game& game, std::uint64_t nextTick, std::uint32_t frameMs) {
  const TurnState& turn = game.turn;
  if (turn.GameState != PlayState::Paused || frameMs == 0) return 0;
  // The same unsigned difference as the pause's own end test.
  const std::uint64_t elapsed = nextTick - turn.PauseStart;
  if (elapsed > turn.PauseLength) return 0;
  return (turn.PauseLength - elapsed) / frameMs + 1;
}

}  // namespace verlano
