#include "game/step_drivers.h"

#include "game/arrival.h"
#include "rules/flight.h"
#include "rules/game.h"

namespace verlano {

void StepSprite(Game& game, CardSprite& sprite) {
  MoveStep(sprite);
  CardArrived(game, sprite);
}

void StepGather(Game& game) {
  Piles& p = game.piles;
  CardSprite* tested = nullptr;
  for (int i = 0; i < p.TableCount - 1; ++i) {
    CardSprite& s = p.TablePile[i];
    if (!s.Moving) continue;
    MoveStep(s);
    if (tested == nullptr) tested = &s;
  }
  if (tested != nullptr) CardArrived(game, *tested);
}

void StepToPile(Game& game) {
  Piles& p = game.piles;
  for (int i = 0; i < p.TableCount; ++i) MoveStep(p.TablePile[i]);
  if (p.TableCount > 0 && p.TablePile[p.TableCount - 1].Moving) {
    CardArrived(game, p.TablePile[p.TableCount - 1]);
  }
}

void StepHandSort(Game& game) {
  auto& hand = game.piles.Hand[0];
  CardSprite* tested = nullptr;
  for (int i = 1; i < kHandEntries; ++i) {
    if (!hand[i].Moving) continue;
    MoveStep(hand[i]);
    tested = &hand[i];
  }
  if (tested != nullptr) CardArrived(game, *tested);
}

}  // namespace verlano
