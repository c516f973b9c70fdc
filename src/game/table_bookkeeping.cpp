#include "game/table_bookkeeping.h"

#include <array>

#include "engine/play_rules.h"
#include "game/engine_view.h"
#include "game/play_outcome.h"
#include "rules/game.h"

namespace verlano {

namespace {

inline constexpr int kCompactScratchEntries = 51;

bool LeavesTable(const Piles& p, int i) {
  return i == p.TableCount - 1 || p.TablePile[i].ToCapture;
}

void AppendToPile(SidePiles& side, const CardSprite& from) {
  if (side.PileCount >= kSidePileEntries) return;
  CardSprite& to = side.Pile[side.PileCount++];
  to.Card = from.Card;
  to.X = from.X;
  to.Y = from.Y;
  to.FaceUp = from.FaceUp;
  to.Present = true;
}

void AppendTakenCards(const Piles& p, SidePiles& side) {
  for (int i = 0; i < p.TableCardCount; ++i) {
    if (LeavesTable(p, i) && side.CardCount < kSideCardEntries) {
      side.Cards[side.CardCount++] = p.TableCards[i];
    }
  }
}

}  // namespace

void PutOnTable(Game& game, const CardSprite& sprite) {
  Piles& p = game.piles;
  if (p.TableCount >= kTableEntries || p.TableCardCount >= kTableCardEntries) return;
  CardSprite& entry = p.TablePile[p.TableCount++];
  entry.Card = sprite.Card;
  entry.X = sprite.X;
  entry.Y = sprite.Y;
  entry.Present = true;
  entry.FaceUp = sprite.FaceUp;
  entry.Slot = sprite.Slot;
  if (sprite.Slot >= 0 && sprite.Slot < kTableSlotEntries)
    p.TableSlots[sprite.Slot].Occupied = true;
  NoteCardPlayed(game.memory, game.cards, sprite.Card);
  p.TableCards[p.TableCardCount++] = sprite.Card;
}

void PutInHand(Game& game, const CardSprite& sprite) {
  Piles& p = game.piles;
  const int seat = game.deal.DealSeat;
  int& count = p.HandCount[seat];
  if (count >= kHandEntries) return;
  CardSprite& entry = p.Hand[seat][count];
  entry.Card = sprite.Card;
  entry.X = sprite.X;
  entry.Y = sprite.Y;
  entry.Present = true;
  entry.FaceUp = seat == 0;
  p.HandCards[seat][count] = sprite.Card;
  ++count;
}

void ParkDeckSprite(CardSprite& sprite) {
  sprite.Present = false;
  sprite.X = static_cast<float>(sprite.HomeX);
  sprite.Y = static_cast<float>(sprite.HomeY);
}

void ParkPlayedSprite(Game& game, CardSprite& sprite) {
  const int seat = game.turn.CurrentSeat;
  sprite.X = static_cast<float>(sprite.HomeX);
  sprite.Y = static_cast<float>(sprite.HomeY);
  sprite.Present = false;
  sprite.FaceUp = seat == 0;
  Piles& p = game.piles;
  int& count = p.HandCount[seat];
  count = 0;
  // Slot 12 is never dealt into, so the rebuild stops at 11.
  for (int i = 0; i < 12; ++i) {
    if (p.Hand[seat][i].Present) p.HandCards[seat][count++] = p.Hand[seat][i].Card;
  }
}

void StopTableMoves(Game& game) {
  Piles& p = game.piles;
  for (int i = 0; i < p.TableCount - 1; ++i) p.TablePile[i].Moving = false;
}

void TakeCards(Game& game, SidePiles& side) {
  const Piles& p = game.piles;
  for (int i = 0; i < p.TableCount; ++i) {
    if (LeavesTable(p, i)) AppendToPile(side, p.TablePile[i]);
  }
  AppendTakenCards(p, side);
}

void TakeCardsOurs(Game& game) {
  TakeCards(game, game.piles.Our);
}

void TakeCardsTheirs(Game& game) {
  TakeCards(game, game.piles.Their);
}

void TakeSweep(Game& game, SidePiles& side) {
  const Piles& p = game.piles;
  const int s = p.SweepCardIndex;
  if (side.SweepCount < kUsableSweepMarks) {
    SweepMark& mark = side.Sweeps[side.SweepCount++];
    mark.Shown = true;
    mark.X = p.TablePile[s].X;
    mark.Y = p.TablePile[s].Y;
    mark.Card = p.TablePile[s].Card;
  }
  // Entry 0 is either the sweeping card or not taken: the sweeping card is the
  // lowest taken entry.
  for (int j = 1; j < p.TableCount; ++j) {
    if (p.TablePile[j].ToCapture && j != s) AppendToPile(side, p.TablePile[j]);
  }
  AppendTakenCards(p, side);
}

void TakeSweepOurs(Game& game) {
  TakeSweep(game, game.piles.Our);
}

void TakeSweepTheirs(Game& game) {
  TakeSweep(game, game.piles.Their);
}

void CompactTable(Game& game) {
  Piles& p = game.piles;
  for (TableSlot& slot : p.TableSlots) slot.Occupied = false;
  std::array<CardSprite, kCompactScratchEntries> kept{};
  int k = 0;
  for (int i = 0; i < p.TableCount; ++i) {
    if (LeavesTable(p, i)) {
      p.TablePile[i].ToCapture = false;
    } else if (k < kCompactScratchEntries) {
      kept[k++] = p.TablePile[i];
    }
  }
  for (int j = 0; j < k; ++j) {
    p.TablePile[j] = kept[j];
    const int slot = kept[j].Slot;
    if (slot >= 0 && slot < kTableSlotEntries) p.TableSlots[slot].Occupied = true;
    p.TableCards[j] = kept[j].Card;
  }
  p.TableCount = k;
  p.TableCardCount = k;
  ScoreHand(game);
}

void NoteLastCapture(Game& game) {
  const Piles& p = game.piles;
  const PlayState state = game.turn.GameState;
  const bool sweep = state == PlayState::WeTakeSweep || state == PlayState::TheyTakeSweep;
  const bool ours = state == PlayState::WeTakeCapture || state == PlayState::WeTakeSweep;
  // A sweep's flight swapped the card that took onto the sweep mark's entry.
  const int taker = sweep ? p.SweepCardIndex : p.TableCount - 1;
  if (taker < 0 || taker >= p.TableCount) return;
  LastCapture& last = (ours ? game.piles.Our : game.piles.Their).Last;
  last = LastCapture{.Taker = p.TablePile[taker].Card};
  for (int i = 0; i < p.TableCount; ++i) {
    if (i != taker && LeavesTable(p, i) && last.TakenCount < kMostTakenCards) {
      last.Taken[last.TakenCount++] = p.TablePile[i].Card;
    }
  }
}

void BookTakenCards(Game& game, void (*take)(Game&)) {
  StopTableMoves(game);
  take(game);
  CompactTable(game);
}

void EndHandWithRemainder(Game& game, void (*take)(Game&)) {
  BookTakenCards(game, take);
  EnterState(game.turn, PlayState::HandOver);
  RecordHandScore(game);
}

void CheckHandEnd(Game& game) {
  if (!IsLastPlay(game)) return;
  const int last = game.capture.LastCapturer;
  EnterState(game.turn, engine::RemainderSide(last) == 1 ? PlayState::TheyTakeRemainder
                                                         : PlayState::WeTakeRemainder);
}

int SlotOfNthCard(const Game& game, int n, int seat) {
  const auto& hand = game.piles.Hand[seat];
  int seen = 0;
  for (int i = 0; i < 12; ++i) {
    if (!hand[i].Present) continue;
    if (seen == n) return i;
    ++seen;
  }
  return 0;
}

}  // namespace verlano
