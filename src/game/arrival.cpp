#include "game/arrival.h"

#include "rules/flight.h"
#include "rules/game.h"

namespace verlano {

bool CardArrived(Game& game, CardSprite& sprite) {
  if (!sprite.Moving || !NearTarget(game.layout, sprite)) return false;
  sprite.Moving = false;
  return true;
}

}  // namespace verlano
