#pragma once
// The table painted into the back buffer once per frame: sweep marks, the two
// piles of taken cards, the table cards, the hands, the deck stack, the score
// page at the end of a hand, and the clock. It reads the game and draws; it
// changes nothing of the game.

#include "platform/platform.h"
#include "platform/screen.h"
#include "render/resource_slots.h"

namespace verlano {

struct Game;

// `liftedHandSlot`: the human's hand card drawn lifted, -1 for none.
void DrawTable(const Game& game, ResourceSlots& slots, Screen& screen, const TimeOfDay& now,
               int liftedHandSlot = -1);

}  // namespace verlano
