#include "render/card_corner.h"

#include <cstddef>

namespace verlano {

void DrawCardCorner(ResourceSlots& slots, Screen& screen, int card, int x, int y) {
  if (card < 0 || card >= kCardImageEntries) return;
  BltFastClip(screen, slots.CardImage[static_cast<std::size_t>(card)], screen.BackBuffer,
              Rect{0, 0, kCornerWidth, kCornerHeight}, x, y, true);
}

}  // namespace verlano
