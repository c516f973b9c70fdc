#include "game/turn_pause.h"

#include "rules/game.h"

namespace verlano {

void StartPause(Game& game, std::uint32_t milliseconds) {
  TurnState& turn = game.turn;
  turn.ResumeState = turn.GameState;
  turn.GameState = PlayState::Paused;
  turn.PauseStart = turn.TickNow;
  turn.PauseLength = milliseconds;
}

}  // namespace verlano
