#pragma once
// A side's last capture laid open beside its pile while the player asks for
// it (Space, or the pointer on the pile): the card that took, nearest the
// pile, then the cards it took, fanned so that each shows its index, on a
// dark panel that sets them apart from the table cards beneath. It is drawn
// over the table and changes nothing.

#include "platform/screen.h"
#include "render/resource_slots.h"

namespace verlano {

struct Game;

inline constexpr int kSideWe = 0;
inline constexpr int kSideThey = 1;

// The middle of a side's pile, clear of every table place: pointing here asks
// for its last capture.
Rect PileSpotRect(const Game& game, int side);

// Where the k-th card of a side's last capture is drawn: 0 the card that took,
// 1.. the cards taken.
Rect LastCaptureCardRect(const Game& game, int side, int k);

// The panel under a side's last capture: its cards and a margin.
Rect LastCapturePanelRect(const Game& game, int side);

// The last captures of the sides in `sides` (bit 0 WE, bit 1 THEY), face up.
void DrawLastCaptures(const Game& game, int sides, ResourceSlots& slots, Screen& screen);

}  // namespace verlano
