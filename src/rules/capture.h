#pragma once
// The capture under way and the human's choice of it: which table cards the
// clicks chose, whether they make a whole capture for the card played (one
// equal card, or else cards adding up to its value), and storing it. The
// computer player fills `CaptureChoice` before it plays. What the capture then
// does to the hand (sweeps, the last play) is decided in game/play_outcome.

#include <array>

#include "rules/piles.h"

namespace verlano {

struct Game;

// The capture under way. It holds a position for every table entry, so that a
// human selection of any size fits whole.
struct CaptureChoice {
  std::array<int, kTableEntries> Positions{};
  bool Safe = false;
  int Count = 0;
  int Premium = 0;
  int PrimieraSum = 0;
  float Score = 0;
};

struct CaptureState {
  CaptureChoice Choice;
  int CaptureResult = -1;  // table cards taken by the last decision; 0 or less for none
  bool CaptureReady = false;
  bool WeSweep = false;
  bool TheySweep = false;
  int LastCapturer = 0;
};

// The human's chosen table cards form a complete capture for the played card.
bool CheckSelection(const Game& game);

// Some table card before the played card has its value.
bool HasEqualCard(const Game& game);

// A complete selection: every chosen position, in table order, becomes the
// capture; the cards are marked to capture and unchosen; `CaptureReady` is set.
void StoreSelection(Game& game);

void ClearSweepFlags(Game& game);

}  // namespace verlano
