#pragma once
// The frame the player sees, composed from the game's state alone: the baize,
// the score sheet's binding strip at the right edge, the seats' and piles'
// labels (render/seat_labels.h), the table, what the table
// tells the player (table_notes.h), the hand's story over the table's side
// when asked for (not over the score page), and the cursor at the pointer. It changes nothing of
// the game, so composing twice gives the same picture; the game's frame loop and the frame
// benchmark both call it.

#include "platform/platform.h"
#include "platform/screen.h"
#include "render/resource_slots.h"
#include "render/table_notes.h"

namespace verlano {

struct Game;

void ComposeFrame(const Game& game, ResourceSlots& slots, Screen& screen, const TimeOfDay& now,
                  int mouseX, int mouseY, const TableNotes& notes = {});

}  // namespace verlano
