#pragma once
// The small mark the table shows while M has muted the sound: "Muted" in the
// message line's font. At the table it is centred at the top edge, above the
// table's highest places, where no card ever lies; over the score page it
// moves to the margin right of the page, off the page's banner.

#include <string>

#include "platform/screen.h"
#include "render/resource_slots.h"

namespace verlano {

struct Game;

// "Muted", in the player's language.
std::string MuteMarkText();

// Where the mark is drawn on the 800x600 table.
Rect MuteMarkRect(const Game& game, const clsDXBitmapFont& font);

void DrawMuteMark(const Game& game, ResourceSlots& slots, Screen& screen);

}  // namespace verlano
