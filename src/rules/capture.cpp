#include "rules/capture.h"

#include "rules/game.h"

namespace verlano {

namespace {

const CardSprite& PlayedCard(const Game& game) {
  return game.piles.TablePile[game.piles.TableCount - 1];
}

int ValueAt(const Game& game, int position) {
  return game.cards.CardValue[game.piles.TablePile[position].Card];
}

}  // namespace

bool CheckSelection(const Game& game) {
  int chosen = 0;
  int sum = 0;
  for (int i = 0; i < game.piles.TableCount - 1; ++i) {
    const CardSprite& card = game.piles.TablePile[i];
    if (card.Present && card.Chosen) {
      ++chosen;
      sum += ValueAt(game, i);
    }
  }
  if (chosen > 1 && HasEqualCard(game)) return false;
  return sum == game.cards.CardValue[PlayedCard(game).Card];
}

bool HasEqualCard(const Game& game) {
  const int v = game.cards.CardValue[PlayedCard(game).Card];
  for (int i = 0; i < game.piles.TableCount - 1; ++i) {
    if (ValueAt(game, i) == v) return true;
  }
  return false;
}

void StoreSelection(Game& game) {
  CaptureChoice& choice = game.capture.Choice;
  game.capture.CaptureReady = true;
  choice.Count = 0;
  for (int i = 0; i < game.piles.TableCount; ++i) {
    CardSprite& card = game.piles.TablePile[i];
    if (!card.Chosen) continue;
    card.Chosen = false;
    choice.Positions[choice.Count++] = i;
    card.ToCapture = true;
  }
}

void ClearSweepFlags(Game& game) {
  game.capture.WeSweep = false;
  game.capture.TheySweep = false;
}

}  // namespace verlano
