// The clipped copy onto the back buffer and the colour keys: whatever the
// position, a sprite may only change pixels inside the clip rectangle.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/screen.h"
#include "platform/surface.h"

namespace verlano {
namespace {

constexpr std::uint16_t kUntouched = 0xABCD;

Surface Numbered(int width, int height) {
  Surface s = MakeSurface(width, height);
  for (std::size_t i = 0; i < s.Pixels.size(); ++i) s.Pixels[i] = static_cast<std::uint16_t>(i + 1);
  return s;
}

// What a copy of `r` of `src` to (x, y) must leave at each pixel: the source
// pixel where the placed rectangle, the source picture and the clip all cover
// it, the old contents everywhere else.
std::vector<std::uint16_t> Expected(const Screen& screen, const Surface& src, Rect r, int x,
                                    int y) {
  if (r.Left == 0 && r.Top == 0 && r.Right == 0 && r.Bottom == 0) r = {0, 0, src.Width, src.Height};
  const Surface& dest = screen.BackBuffer;
  std::vector<std::uint16_t> out(dest.Pixels.size(), kUntouched);
  for (int dy = screen.ClipTop; dy < screen.ClipBottom; ++dy) {
    for (int dx = screen.ClipLeft; dx < screen.ClipRight; ++dx) {
      const int sx = dx - x + r.Left;
      const int sy = dy - y + r.Top;
      if (sx < r.Left || sx >= r.Right || sy < r.Top || sy >= r.Bottom) continue;
      if (sx < 0 || sx >= src.Width || sy < 0 || sy >= src.Height) continue;
      out[static_cast<std::size_t>(dy) * dest.Width + dx] = src.At(sx, sy);
    }
  }
  return out;
}

TEST(BltFastClip, NeverWritesOutsideTheClipAtAnyPosition) {
  const Surface src = Numbered(5, 4);
  const Rect wholeScreen{0, 0, 12, 9};
  const Rect inner{2, 1, 9, 7};
  // All zeros (the whole picture), a part, the whole picture spelt out, and
  // one reaching past the picture's own edges.
  const std::vector<Rect> rects = {{0, 0, 0, 0}, {1, 1, 4, 3}, {0, 0, 5, 4}, {3, 2, 8, 7}};
  for (const Rect clip : {wholeScreen, inner}) {
    for (const Rect r : rects) {
      for (int y = -6; y <= 11; ++y) {
        for (int x = -7; x <= 14; ++x) {
          Screen screen = MakeScreen(12, 9);
          screen.ClipLeft = clip.Left, screen.ClipTop = clip.Top;
          screen.ClipRight = clip.Right, screen.ClipBottom = clip.Bottom;
          std::fill(screen.BackBuffer.Pixels.begin(), screen.BackBuffer.Pixels.end(), kUntouched);
          BltFastClip(screen, src, screen.BackBuffer, r, x, y, false);
          ASSERT_EQ(screen.BackBuffer.Pixels, Expected(screen, src, r, x, y))
              << "clip right " << clip.Right << ", rect (" << r.Left << "," << r.Top << ","
              << r.Right << "," << r.Bottom << ") at (" << x << "," << y << ")";
        }
      }
    }
  }
}

TEST(BltFastClip, RectangleWhollyPastTheRightEdgeCopiesNothing) {
  Screen screen = MakeScreen(12, 9);
  screen.ClipRight = 8;  // room left in the buffer, none in the clip
  const Surface src = Numbered(5, 4);
  const std::vector<std::uint16_t> before = screen.BackBuffer.Pixels;
  BltFastClip(screen, src, screen.BackBuffer, Rect{}, 8, 2, false);
  BltFastClip(screen, src, screen.BackBuffer, Rect{1, 0, 3, 2}, 10, 0, false);
  EXPECT_EQ(screen.BackBuffer.Pixels, before);
}

TEST(ColorKey, ModesAndTransparentCopy) {
  struct Row {
    int mode;
    bool keyed;
    std::uint16_t key;
  };
  for (const Row row :
       {Row{1, true, 0x0000}, Row{2, true, 0xF81F}, Row{0, false, 0}, Row{3, false, 0}}) {
    Surface s = MakeSurface(1, 1);
    SetSurfaceColorKey(s, row.mode);
    EXPECT_EQ(s.HasColorKey, row.keyed) << "mode " << row.mode;
    if (row.keyed) {
      EXPECT_EQ(s.ColorKey, row.key) << "mode " << row.mode;
    }
  }

  Surface sprite = MakeSurface(3, 1);
  sprite.Pixels = {kMagenta565, 0x1234, kBlack565};
  SetSurfaceColorKey(sprite, 2);
  for (const bool transparent : {true, false}) {
    Screen screen = MakeScreen(3, 1);
    screen.BackBuffer.Pixels.assign(3, kUntouched);
    BltFastClip(screen, sprite, screen.BackBuffer, Rect{}, 0, 0, transparent);
    const std::vector<std::uint16_t> want =
        transparent ? std::vector<std::uint16_t>{kUntouched, 0x1234, kBlack565} : sprite.Pixels;
    EXPECT_EQ(screen.BackBuffer.Pixels, want) << "transparent " << transparent;
  }
}

}  // namespace
}  // namespace verlano
