#include "game/quiet_moment.h"

#include "rules/game.h"

namespace verlano {

bool IsQuietMoment(const Game& game) {
  const TurnState& turn = game.turn;
  if (turn.GameState == PlayState::HandOver) return true;
  return turn.GameState == PlayState::NormalPlay && turn.CurrentSeat == 0 && turn.WaitingForHuman &&
         !turn.HumanPicked && !AnyCardMoving(game.piles);
}

}  // namespace verlano
