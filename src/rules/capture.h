#pragma once
// What a played card captures: one table card of equal value, or else a set of
// table cards adding up to its value. The computer player fills `CaptureChoice`
// before it plays; the human's clicks fill it through `StoreSelection`. Sweeps
// are flagged here and counted by the hand scoring.

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

// The card just played is the last play of the hand.
bool IsLastPlay(const Game& game);

// Called when the played card comes to rest on the table in "NORMAL PLAY".
// `humanCapture` is what the human's card must take, as the engine's legal
// captures say (the size of the first, 0 for none); the computer seats'
// `CaptureChoice` is committed instead.
void DecideCapture(Game& game, int humanCapture);

// Commits the computer seat's `CaptureChoice`; returns the number of cards taken.
int CommitComputerCapture(Game& game);

// The human's chosen table cards form a complete capture for the played card.
bool CheckSelection(const Game& game);

// Some table card before the played card has its value.
bool HasEqualCard(const Game& game);

// A complete selection: every chosen position, in table order, becomes the
// capture; the cards are marked to capture and unchosen; `CaptureReady` is set.
void StoreSelection(Game& game);

// Called when a WE capture's gathering ends; true when it sweeps the table.
bool CommitHumanCapture(Game& game);

void ClearSweepFlags(Game& game);

}  // namespace verlano
