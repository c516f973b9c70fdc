#pragma once
// The small mark the table shows while M has muted the sound: "Muted" in the
// message line's font, centred at the top edge, above the table's highest
// places, where no card ever lies.

#include <string>

#include "platform/screen.h"
#include "render/resource_slots.h"

namespace verlano {

// "Muted", in the player's language.
std::string MuteMarkText();

// Where the mark is drawn on the 800-pixel-wide table.
Rect MuteMarkRect(const clsDXBitmapFont& font);

void DrawMuteMark(ResourceSlots& slots, Screen& screen);

}  // namespace verlano
