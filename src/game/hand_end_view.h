#pragma once
// What the player looks at once a hand is over, beyond the score page: the
// last table kept on show until a click, Return or Space (an option, off by
// default), a side's pile laid open on the score page (a click on the
// pile beside the page, or W / N for ours, T / L for theirs; a click
// elsewhere or the same key closes it), and the review of the player's plays
// (V opens and closes it, as does a click). Both only look: they read the game
// and change nothing. A click elsewhere, Return or Space closes what is open
// and, with nothing open, deals the next hand (or starts the next match).

#include "render/last_table.h"
#include "render/pile_sheet.h"

namespace verlano {

struct Game;

// The input of one frame as the hand's end reads it.
struct HandEndInput {
  bool click = false;  // the left button is down
  int mouseX = 0, mouseY = 0;
  bool goOn = false;       // a press of Return or Space began: a key held on does not repeat it
  bool ourKey = false;     // W or N
  bool theirKey = false;   // T or L
  bool reviewKey = false;  // V
};

struct HandEndView {
  bool TableHeld = false;
  int OpenSide = -1;         // kSideWe or kSideThey; -1 for none
  bool ClickHeld = false;    // a click the view took is still down
  bool KeyHeld = false;      // a key the view took is still down
  bool WasHandOver = false;  // the last frame's step ended at the hand's end
  bool ReviewOpen = false;   // the review of the player's plays lies over the page
  LastTable Last;            // kept as the remainder set off, until the next deal
};

// Follows the frame's input while the hand is over: true when it deals the
// next hand, a click or key that no view took.
bool FollowHandEnd(HandEndView& view, const Game& game, const HandEndInput& in);

// After the frame's step: the table is kept as the last play left it, the
// moment its remainder is to go; a hand that has just ended keeps that table
// on show when the options ask; a new deal closes everything.
void NoteHandEnd(HandEndView& view, const Game& game);

// A side's pile as the score counted it: its cards by suit, the coins and
// the primiera cards and sum of the hand's score.
PileSheet PileSheetOf(const Game& game, int side);

// The pile to draw open: the view's, or none.
PileSheet OpenPileSheet(const HandEndView& view, const Game& game);

}  // namespace verlano
