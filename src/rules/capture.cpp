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

bool IsLastPlay(const Game& game) {
  return game.piles.CardsPlayed == 4 * game.settings.Rules.CardsPerHand;
}

void DecideCapture(Game& game, int humanCapture) {
  if (game.piles.TableCardCount == 1) return;
  const int seat = game.turn.CurrentSeat;
  const int result = seat == 0 ? humanCapture : CommitComputerCapture(game);
  game.capture.CaptureResult = result;
  if (result <= 0) return;
  game.capture.LastCapturer = seat;
  const bool we = IsWeSeat(seat);
  game.turn.GameState =
      we ? PlayState::WeGettingCardsGathering : PlayState::TheyGettingCardsGathering;
  if (IsLastPlay(game)) {
    game.capture.WeSweep = false;
    game.capture.TheySweep = false;
    return;
  }
  if (!we && game.capture.TheySweep) game.turn.GameState = PlayState::TheyGettingDrevGathering;
  if (we && game.capture.WeSweep) game.turn.GameState = PlayState::WeGettingDrevGathering;
}

int CommitComputerCapture(Game& game) {
  Piles& piles = game.piles;
  const CaptureChoice& choice = game.capture.Choice;
  const int n = choice.Count;
  if (n <= 0) return 0;
  for (int k = 0; k < n && k < kTableEntries; ++k) {
    const int position = choice.Positions[k];
    if (position >= 0 && position < piles.TableCount - 1) {
      piles.TablePile[position].ToCapture = true;
    }
  }
  if (piles.TableCount == n + 1) {
    (IsWeSeat(game.turn.CurrentSeat) ? game.capture.WeSweep : game.capture.TheySweep) = true;
  }
  piles.TablePile[piles.TableCardCount - 1].ToCapture = true;
  return n;
}

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

bool CommitHumanCapture(Game& game) {
  Piles& piles = game.piles;
  const int n = game.capture.Choice.Count;
  if (n == piles.TableCount - 1 && !IsLastPlay(game)) game.capture.WeSweep = true;
  if (n > 0) piles.TablePile[piles.TableCardCount - 1].ToCapture = true;
  game.capture.CaptureResult = n;
  return game.capture.WeSweep;
}

void ClearSweepFlags(Game& game) {
  game.capture.WeSweep = false;
  game.capture.TheySweep = false;
}

}  // namespace verlano
