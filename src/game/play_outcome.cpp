#include "game/play_outcome.h"

#include "engine/play_rules.h"
#include "rules/game.h"

namespace verlano {

namespace {

// Whether `taken` cards clear the table as it stood before the card played.
bool Sweeps(const Game& game, int taken) {
  return engine::SweepsTable(taken, game.piles.TableCount - 1, IsLastPlay(game));
}

}  // namespace

bool IsLastPlay(const Game& game) {
  return engine::LastPlayOfHand(game.piles.CardsPlayed, game.settings.Rules.CardsPerHand);
}

void DecideCapture(Game& game, int humanCapture) {
  if (game.piles.TableCardCount == 1) return;
  const int seat = game.turn.CurrentSeat;
  const int result = seat == 0 ? humanCapture : CommitComputerCapture(game);
  game.capture.CaptureResult = result;
  if (result <= 0) return;
  game.capture.LastCapturer = seat;
  // A sweep flag left from before never makes the last play a sweep.
  if (IsLastPlay(game)) ClearSweepFlags(game);
  const bool we = IsWeSeat(seat);
  const bool sweep = we ? game.capture.WeSweep : game.capture.TheySweep;
  if (we) {
    EnterState(game.turn, sweep ? PlayState::WeGatherSweep : PlayState::WeGatherCapture);
  } else {
    EnterState(game.turn, sweep ? PlayState::TheyGatherSweep : PlayState::TheyGatherCapture);
  }
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
  if (Sweeps(game, n)) {
    (IsWeSeat(game.turn.CurrentSeat) ? game.capture.WeSweep : game.capture.TheySweep) = true;
  }
  piles.TablePile[piles.TableCardCount - 1].ToCapture = true;
  return n;
}

bool CommitHumanCapture(Game& game) {
  Piles& piles = game.piles;
  const int n = game.capture.Choice.Count;
  if (Sweeps(game, n)) game.capture.WeSweep = true;
  if (n > 0) piles.TablePile[piles.TableCardCount - 1].ToCapture = true;
  game.capture.CaptureResult = n;
  return game.capture.WeSweep;
}

}  // namespace verlano
