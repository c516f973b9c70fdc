#pragma once
// Who sits where: each seat's name by its hand (You, Partner, and the two
// opponents, the computer seats with their level, as the Options tab names it) and
// each side's pile named as on the score page (WE, THEY), in the small font
// where no card ever lies. Drawn under everything else, so a flying card
// passes over them; they change nothing.

#include <string>
#include <string_view>

#include "platform/screen.h"
#include "render/resource_slots.h"

namespace verlano {

struct Game;

// The seat's short name, as the hand's story gives it: "You", "Partner", "Left", "Right".
std::string SeatName(int seat);
// The name by the seat's hand: a computer seat's with its level.
std::string SeatLabelText(const Game& game, int seat);
// "WE" or "THEY", in the player's language.
std::string PileLabelText(int side);

// Where the labels, reading `text`, are drawn on the 800x600 table in `font`.
Rect SeatLabelRect(const Game& game, const clsDXBitmapFont& font, int seat, std::string_view text);
Rect PileLabelRect(const Game& game, const clsDXBitmapFont& font, int side, std::string_view text);

void DrawSeatLabels(const Game& game, ResourceSlots& slots, Screen& screen);

}  // namespace verlano
