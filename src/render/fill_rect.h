#pragma once
// Plain filled rectangles on the back buffer, cut to the screen's clip: the
// turn mark, and the outline a hint draws around a card.

#include <cstdint>

#include "platform/screen.h"

namespace verlano {

// The colour of the table's own marks: the message font's warm gold.
inline constexpr std::uint16_t kMarkColour = 0xFECA;
// The keyboard's highlight on a table card, white beside a hint's gold.
inline constexpr std::uint16_t kKeyColour = 0xFFFF;

void FillRect(const Screen& screen, Surface& dest, Rect r, std::uint16_t colour);

// A frame `thickness` pixels wide just outside `inner`.
void OutlineRect(const Screen& screen, Surface& dest, const Rect& inner, int thickness,
                 std::uint16_t colour);

// A panel laid over the table (an open pile, the review): `panel` filled with
// `colour`, framed in gold `border` pixels wide just inside its edge.
void DrawFramedPanel(Screen& screen, const Rect& panel, std::uint16_t colour, int border);

}  // namespace verlano
