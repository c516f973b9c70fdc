#include "render/fill_rect.h"

#include <algorithm>

namespace verlano {

void FillRect(const Screen& screen, Surface& dest, Rect r, std::uint16_t colour) {
  if (!dest.HasPixels()) return;
  r.Left = std::max({r.Left, screen.ClipLeft, 0});
  r.Top = std::max({r.Top, screen.ClipTop, 0});
  r.Right = std::min({r.Right, screen.ClipRight, dest.Width});
  r.Bottom = std::min({r.Bottom, screen.ClipBottom, dest.Height});
  for (int y = r.Top; y < r.Bottom; ++y) {
    const auto row = dest.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * dest.Width;
    if (r.Left < r.Right) std::fill(row + r.Left, row + r.Right, colour);
  }
}

void OutlineRect(const Screen& screen, Surface& dest, const Rect& inner, int thickness,
                 std::uint16_t colour) {
  const int left = inner.Left - thickness;
  const int right = inner.Right + thickness;
  FillRect(screen, dest, Rect{left, inner.Top - thickness, right, inner.Top}, colour);
  FillRect(screen, dest, Rect{left, inner.Bottom, right, inner.Bottom + thickness}, colour);
  FillRect(screen, dest, Rect{left, inner.Top, inner.Left, inner.Bottom}, colour);
  FillRect(screen, dest, Rect{inner.Right, inner.Top, right, inner.Bottom}, colour);
}

void DrawFramedPanel(Screen& screen, const Rect& panel, std::uint16_t colour, int border) {
  FillRect(screen, screen.BackBuffer, panel, colour);
  OutlineRect(
      screen, screen.BackBuffer,
      Rect{panel.Left + border, panel.Top + border, panel.Right - border, panel.Bottom - border},
      border, kMarkColour);
}

}  // namespace verlano
