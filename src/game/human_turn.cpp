#include "game/human_turn.h"

#include "rules/flight.h"
#include "rules/game.h"
#include "rules/legal_captures.h"

namespace verlano {

namespace {

bool Inside(float left, float top, int width, int height, int x, int y) {
  return left < x && x < left + width && top < y && y < top + height;
}

}  // namespace

bool AwaitsHumanPick(const TurnState& turn) {
  const bool sorting = turn.GameState == PlayState::SortGatherHand ||
                       turn.GameState == PlayState::SortSpreadHand;
  return (turn.GameState == PlayState::NormalPlay || sorting) && turn.WaitingForHuman &&
         turn.CurrentSeat == 0 && !turn.HumanPicked;
}

int PlayableHandSlotAt(const Game& game, int x, int y) {
  const TurnState& turn = game.turn;
  // A pick that could not be played at once would leave the human unable to
  // pick again until the next deal.
  if (turn.GameState != PlayState::NormalPlay || !turn.WaitingForHuman || turn.CurrentSeat != 0 ||
      turn.HumanPicked || AnyCardMoving(game.piles)) {
    return -1;
  }
  const auto& hand = game.piles.Hand[0];
  for (int i = 11; i >= 0; --i) {
    const CardSprite& s = hand[i];
    if (!s.Present || s.Moving) continue;
    if (Inside(static_cast<float>(s.HomeX), static_cast<float>(s.HomeY), s.Width, s.Height, x, y)) {
      return i;
    }
  }
  return -1;
}

int PickHandCard(Game& game, int x, int y) {
  const int slot = PlayableHandSlotAt(game, x, y);
  if (slot >= 0) {
    game.turn.HumanPlayed = true;
    game.turn.HumanPicked = true;
  }
  return slot;
}

bool HumanChoosing(PlayState state) {
  return state == PlayState::WeGatherCapture || state == PlayState::WeGatherSweep;
}

bool MayClickTable(const Game& game) {
  return HumanChoosing(game.turn.GameState) && !AnyCardMoving(game.piles) &&
         game.turn.CurrentSeat == 0 && !game.capture.CaptureReady;
}

int ClickTableCard(Game& game, int button, int x, int y) {
  Piles& p = game.piles;
  if (AnyCardMoving(p) || p.TableCount == 0) return 0;
  const int playedCard = p.TablePile[p.TableCount - 1].Card;
  const int top = button == 0 ? p.TableCount - 2 : p.TableCount - 1;
  int hit = -1;
  for (int i = top; i >= 0; --i) {
    const CardSprite& s = p.TablePile[i];
    if (!s.Present || s.Card == playedCard) continue;
    if (Inside(s.X, s.Y, s.Width, s.Height, x, y)) {
      hit = i;
      break;
    }
  }
  if (hit < 0) return 0;
  ChooseTableCard(game, hit, button == 0);
  return hit;
}

void ChooseTableCard(Game& game, int position, bool chosen) {
  game.piles.TablePile[position].Chosen = chosen;
  if (CheckSelection(game)) StoreSelection(game);
}

bool TakeTheOnlyCapture(Game& game) {
  if (!MayClickTable(game)) return false;
  const LegalCaptures legal = FindLegalCaptures(game);
  if (legal.count != 1) return false;
  // A stray choice of the player's own is taken back first, as a right click would.
  for (int i = 0; i < game.piles.TableCount - 1 && !game.capture.CaptureReady; ++i) {
    const bool wanted = (legal.cards >> i & 1U) != 0;
    if (game.piles.TablePile[i].Chosen && !wanted) ChooseTableCard(game, i, false);
  }
  for (int i = 0; i < game.piles.TableCount - 1 && !game.capture.CaptureReady; ++i) {
    if ((legal.cards >> i & 1U) != 0) ChooseTableCard(game, i, true);
  }
  return game.capture.CaptureReady;
}

void PlayCardToTable(Game& game, CardSprite& card) {
  Piles& p = game.piles;
  if (AnyCardMoving(p)) return;
  PlayFlipSound(game);
  const int a = LowestFreeSlot(p);
  const double r1 = game.Rnd();
  const double r2 = game.Rnd();
  const Layout& l = game.layout;
  const int tx = p.TableSlots[a].SlotX + static_cast<int>(l.TableJitterX * r1);
  const int ty = p.TableSlots[a].SlotY + static_cast<int>(l.TableJitterY * r2);
  LaunchSprite(l, card, static_cast<float>(tx), static_cast<float>(ty));
  card.Slot = a;
  p.TableSlots[a].Occupied = true;
}

}  // namespace verlano
