#include "platform/surface.h"

#include <algorithm>

namespace verlano {

Surface MakeSurface(int width, int height) {
  Surface s;
  s.Width = width;
  s.Height = height;
  s.Pixels.assign(static_cast<std::size_t>(width) * height, kBlack565);
  return s;
}

void SetSurfaceColorKey(Surface& surface, int mode) {
  if (mode != 1 && mode != 2) return;
  surface.HasColorKey = true;
  surface.ColorKey = mode == 1 ? kBlack565 : kMagenta565;
}

void CopyRect(const Surface& src, Rect rect, Surface& dest, int x, int y, bool transparent) {
  if (!src.HasPixels() || !dest.HasPixels()) return;
  // Keep the copy inside both pictures whatever the caller passed.
  if (rect.Left < 0) x -= rect.Left, rect.Left = 0;
  if (rect.Top < 0) y -= rect.Top, rect.Top = 0;
  if (x < 0) rect.Left -= x, x = 0;
  if (y < 0) rect.Top -= y, y = 0;
  rect.Right = std::min({rect.Right, src.Width, rect.Left + (dest.Width - x)});
  rect.Bottom = std::min({rect.Bottom, src.Height, rect.Top + (dest.Height - y)});
  const int w = rect.Right - rect.Left;
  const int h = rect.Bottom - rect.Top;
  if (w <= 0 || h <= 0) return;
  const bool keyed = transparent && src.HasColorKey;
  const std::uint16_t key = src.ColorKey;
  for (int row = 0; row < h; ++row) {
    const std::uint16_t* from =
        &src.Pixels[static_cast<std::size_t>(rect.Top + row) * src.Width + rect.Left];
    std::uint16_t* to = &dest.Pixels[static_cast<std::size_t>(y + row) * dest.Width + x];
    if (!keyed) {
      std::copy(from, from + w, to);
      continue;
    }
    // A select rather than a skipped store: the compiler turns it into
    // vector blends, several times faster on card-sized pictures.
    for (int col = 0; col < w; ++col) {
      const std::uint16_t pixel = from[col];
      to[col] = pixel == key ? to[col] : pixel;
    }
  }
}

}  // namespace verlano
