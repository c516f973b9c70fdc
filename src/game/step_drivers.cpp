#include "game/step_drivers.h"

#include "rules/flight.h"
#include "rules/game.h"

namespace verlano {

namespace {

CardSprite* ArrivedOrNull(const Game& game, CardSprite* tested) {
  return tested != nullptr && Arrives(game.layout, *tested) ? tested : nullptr;
}

}  // namespace

bool Arrives(const Layout& layout, CardSprite& sprite) {
  if (!sprite.Moving || !NearTarget(layout, sprite)) return false;
  sprite.Moving = false;
  return true;
}

CardSprite* StepSprite(Game& game, CardSprite& sprite) {
  MoveStep(sprite);
  return ArrivedOrNull(game, &sprite);
}

CardSprite* StepGather(Game& game) {
  Piles& p = game.piles;
  CardSprite* tested = nullptr;
  for (int i = 0; i < p.TableCount - 1; ++i) {
    CardSprite& s = p.TablePile[i];
    if (!s.Moving) continue;
    MoveStep(s);
    if (tested == nullptr) tested = &s;
  }
  return ArrivedOrNull(game, tested);
}

CardSprite* StepToPile(Game& game) {
  Piles& p = game.piles;
  for (int i = 0; i < p.TableCount; ++i) MoveStep(p.TablePile[i]);
  return p.TableCount > 0 ? ArrivedOrNull(game, &p.TablePile[p.TableCount - 1]) : nullptr;
}

CardSprite* StepHandSort(Game& game) {
  auto& hand = game.piles.Hand[0];
  CardSprite* tested = nullptr;
  for (int i = 1; i < kHandEntries; ++i) {
    if (!hand[i].Moving) continue;
    MoveStep(hand[i]);
    tested = &hand[i];
  }
  return ArrivedOrNull(game, tested);
}

}  // namespace verlano
