#pragma once
// Playing the cards with the keyboard, through the mouse's own routines: Left
// and Right move a highlight along the hand cards that can be played (1 to 9
// and 0 go to the n-th) and Return plays it; while the human's card waits for
// the cards it takes, Left, Right and Tab move along the table cards a legal
// capture takes (and those chosen), starting on the first of them, Space
// takes or leaves the highlighted one, Return takes it and Backspace clears
// the choice. The highlight is the player's, not the game's: it lives beside
// the run, changes nothing the game keeps, and shows only once a key was used.

#include "platform/platform.h"

namespace verlano {

struct Game;

struct KeyboardPlay {
  bool Used = false;        // a playing key was pressed: the highlight shows
  int HandSlot = -1;        // the highlighted hand slot
  int TablePosition = -1;   // the highlighted table entry
};

// Reads this frame's keys. A hand card played is left in the turn's
// `PickedHandSlot`, as a click leaves it.
void FollowKeys(Game& game, const Platform& platform, KeyboardPlay& keys);

// What the table draws of the highlight: the hand slot and the table entry,
// -1 where there is none to show now.
int HighlightedHandSlot(const Game& game, const KeyboardPlay& keys);
int HighlightedTablePosition(const Game& game, const KeyboardPlay& keys);

}  // namespace verlano
