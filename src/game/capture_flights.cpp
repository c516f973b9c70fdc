#include "game/capture_flights.h"

#include <utility>

#include "rules/flight.h"
#include "rules/game.h"

namespace verlano {

namespace {

void FreeSlot(Piles& p, int slot) {
  if (slot >= 0 && slot < kTableSlotEntries) p.TableSlots[slot].Occupied = false;
}

// Int(Rnd * k) added to a base position; x is drawn before y.
float Jittered(Game& game, float base, int k) {
  return static_cast<float>(game.rng.Below(k)) + base;
}

}  // namespace

void GatherCaptured(Game& game) {
  Piles& p = game.piles;
  if (AnyCardMoving(p)) return;
  PlayFlipSound(game);
  const CardSprite& played = p.TablePile[p.TableCount - 1];
  const float px = played.X;
  const float py = played.Y;
  for (int i = 0; i < p.TableCount - 1; ++i) {
    CardSprite& s = p.TablePile[i];
    if (!s.ToCapture) continue;
    s.Chosen = false;
    s.FaceUp = true;
    const float tx = Jittered(game, px, game.layout.GatherJitterX);
    const float ty = Jittered(game, py, game.layout.GatherJitterY);
    StartFlight(s, tx, ty, game.layout.GatherFrames);
  }
}

void SendCapturedToPile(Game& game, int px, int py) {
  Piles& p = game.piles;
  if (AnyCardMoving(p)) return;
  PlaySignSound(game);
  for (int i = 0; i < p.TableCount; ++i) {
    CardSprite& s = p.TablePile[i];
    if (i != p.TableCount - 1 && !s.ToCapture) continue;
    s.FaceUp = false;
    const float tx = Jittered(game, static_cast<float>(px), game.layout.GatherJitterX);
    const float ty = Jittered(game, static_cast<float>(py), game.layout.GatherJitterY);
    StartFlight(s, tx, ty, game.layout.GatherFrames);
    FreeSlot(p, s.Slot);
  }
}

void MarkAllTableCards(Game& game) {
  Piles& p = game.piles;
  for (int i = 0; i < p.TableCount; ++i) p.TablePile[i].ToCapture = true;
}

void StartSweepFlight(Game& game, bool ours) {
  Piles& p = game.piles;
  const Layout& l = game.layout;
  PlaySignSound(game);
  const int last = p.TableCount - 1;
  int s = 0;
  while (s < last && !p.TablePile[s].ToCapture) ++s;
  p.SweepCardIndex = s;
  std::swap(p.TablePile[s], p.TablePile[last]);
  p.TablePile[s].FaceUp = true;
  p.TablePile[last].FaceUp = false;
  const SidePiles& side = ours ? p.Our : p.Their;
  const SweepMark& mark = side.Sweeps[side.SweepCount < kUsableSweepMarks ? side.SweepCount : 0];
  p.TablePile[s].TargetX = static_cast<float>(mark.MarkX);
  p.TablePile[s].TargetY = static_cast<float>(mark.MarkY);
  const float pileX = static_cast<float>(ours ? l.OurPileX : l.TheirPileX);
  const float pileY = static_cast<float>(ours ? l.OurPileY : l.TheirPileY);
  for (int j = 1; j <= last; ++j) {
    if (j == s || !p.TablePile[j].ToCapture) continue;
    p.TablePile[j].FaceUp = false;
    p.TablePile[j].TargetX = pileX;
    p.TablePile[j].TargetY = pileY;
  }
  for (int i = 0; i <= last; ++i) {
    CardSprite& c = p.TablePile[i];
    if (!c.ToCapture && i != s) continue;
    StartFlight(c, c.TargetX, c.TargetY, l.SweepFlightFramesX, l.SweepFlightFramesY);
    FreeSlot(p, c.Slot);
  }
}

}  // namespace verlano
