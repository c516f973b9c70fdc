#pragma once
// A side's last capture laid open while the player asks for it (Space, or the
// pointer on the pile): the card that took, nearest the pile, then the cards
// it took, fanned so that each shows its index, on a dark panel that sets
// them apart from the table cards. Its place is beside the pile; while the
// player chooses a capture it moves where it covers the fewest table cards
// and is drawn under them, so that no card that takes a click is hidden. It
// changes nothing.

#include <array>

#include "platform/screen.h"
#include "render/resource_slots.h"
#include "render/table_areas.h"

namespace verlano {

struct Game;

// The middle of a side's pile, clear of every table place: pointing here asks
// for its last capture.
Rect PileSpotRect(const Game& game, int side);

// The panel under a side's last capture in its place beside the pile: its
// cards and a margin.
Rect LastCapturePanelRect(const Game& game, int side);

// The panels of the sides in `sides` (bit 0 WE, bit 1 THEY) as drawn, an
// empty rectangle for a side not shown. While `tableClickable`, each lies
// clear of the piles, the hands, the message band and the other panel, where
// it covers the least of the table cards, nearest its place beside the pile.
std::array<Rect, 2> LastCapturePanels(const Game& game, int sides, bool tableClickable);

// Where the k-th card of a side's last capture lies in its panel: 0 the card
// that took, 1.. the cards taken.
Rect LastCaptureCardRect(const Game& game, int side, const Rect& panel, int k);

// The last captures of the sides in `sides`, face up.
void DrawLastCaptures(const Game& game, int sides, bool tableClickable, ResourceSlots& slots,
                      Screen& screen);

}  // namespace verlano
