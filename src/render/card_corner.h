#pragma once
// A card shown by its corner alone, the index and suit every deck prints
// there: how the hand's story and the review lay out plays in a small row.

#include "platform/screen.h"
#include "render/resource_slots.h"

namespace verlano {

inline constexpr int kCornerWidth = 24;
inline constexpr int kCornerHeight = 33;

// Draws `card`'s corner with its top left at (x, y); nothing for no card.
void DrawCardCorner(ResourceSlots& slots, Screen& screen, int card, int x, int y);

}  // namespace verlano
