#pragma once
// Off-screen pictures and the copy between them. Every frame is composed on a
// 16-bit RGB565 back buffer, so every picture is held in that format; a copy
// may skip the source's colour key. Plain memory, no window system: the game,
// the drawing code and the tests all use it as it is.

#include <cstdint>
#include <vector>

namespace verlano {

// (left, top, right, bottom); right and bottom exclusive. All zeros stands for
// the whole source picture in a copy.
struct Rect {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

inline constexpr std::uint16_t kBlack565 = 0x0000;
inline constexpr std::uint16_t kMagenta565 = 0xF81F;  // full red plus full blue

struct Surface {
  int Width = 0, Height = 0;
  // Row-major, Width * Height pixels. Empty for a picture known only by its
  // size (the headless display keeps no pixels unless asked): copies from or
  // onto it then change nothing.
  std::vector<std::uint16_t> Pixels;
  bool HasColorKey = false;
  std::uint16_t ColorKey = 0;

  bool HasPixels() const { return !Pixels.empty(); }
  std::uint16_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

// A blank surface of the given size, filled with colour 0.
Surface MakeSurface(int width, int height);

// Mode 1: black is transparent; mode 2: magenta; any other mode changes nothing.
void SetSurfaceColorKey(Surface& surface, int mode);

// Copies `rect` of `src` to (x, y) of `dest` with no clipping beyond the two
// pictures' own edges (the caller clips to the screen); transparent skips the
// source's colour key. An empty or reversed rectangle copies nothing.
void CopyRect(const Surface& src, Rect rect, Surface& dest, int x, int y, bool transparent);

}  // namespace verlano
