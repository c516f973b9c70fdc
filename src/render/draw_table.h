#pragma once
// The table painted into the back buffer once per frame: sweep marks, the two
// piles of taken cards, the table cards, the hands, the deck stack, the score
// page at the end of a hand, and the clock. It reads the game and draws; it
// changes nothing of the game. Of what the table tells the player it draws
// the cards' own marks: the lifted hand card and the outlines of lit cards,
// and, while a capture is being chosen, the last captures asked for, under
// the table cards.

#include "platform/platform.h"
#include "platform/screen.h"
#include "render/resource_slots.h"
#include "render/table_notes.h"

namespace verlano {

struct Game;

void DrawTable(const Game& game, ResourceSlots& slots, Screen& screen, const TimeOfDay& now,
               const TableNotes& notes = {});

}  // namespace verlano
