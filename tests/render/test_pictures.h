#pragma once
// Pictures for the drawing tests: solid-colour surfaces, so a pixel of the
// back buffer tells which picture landed there, and a font whose every pixel
// says which glyph cell, row and column it came from.

#include <algorithm>
#include <cstdint>

#include "platform/surface.h"
#include "render/bitmap_font.h"

namespace verlano::test {

inline constexpr int kCellWidth = 19;
inline constexpr int kCellHeight = 27;
inline constexpr int kFontColumns = 20;
inline constexpr int kFontRows = 3;  // codes 32 ("blank") to 91 ("[")

inline Surface Solid(int width, int height, std::uint16_t colour) {
  Surface s = MakeSurface(width, height);
  std::fill(s.Pixels.begin(), s.Pixels.end(), colour);
  SetSurfaceColorKey(s, 2);
  return s;
}

// Pixel value of (column cx, row cy) of glyph g; never 0 and never magenta.
inline std::uint16_t GlyphPixel(int g, int cx, int cy) {
  return static_cast<std::uint16_t>(((g << 10) | (cy << 5) | cx) + 1);
}

// The table's fonts' cells by default; the small font's with its cell size.
// `rows` of cells: the accented letters lie past the third.
inline clsDXBitmapFont GlyphFont(int cellWidth = kCellWidth, int cellHeight = kCellHeight,
                                 int rows = kFontRows) {
  clsDXBitmapFont font;
  font.SetGrid(cellWidth, cellHeight, kFontColumns);
  font.dds = MakeSurface(cellWidth * kFontColumns, cellHeight * rows);
  for (int y = 0; y < font.dds.Height; ++y) {
    for (int x = 0; x < font.dds.Width; ++x) {
      const int g = (y / cellHeight) * kFontColumns + x / cellWidth;
      font.dds.Pixels[static_cast<std::size_t>(y) * font.dds.Width + x] =
          GlyphPixel(g, x % cellWidth, y % cellHeight);
    }
  }
  return font;
}

}  // namespace verlano::test
