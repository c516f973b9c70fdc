#pragma once
// `clsDXBitmapFont`: text drawn from a picture of equal glyph cells, one cell
// per character (code 32 in the top-left cell, then code order, then the
// accented letters of i18n/font_cells.h, `Colums` cells a row). Each object holds its own copy of the picture and its own position,
// so the score page can keep one object per text row.

#include <string>
#include <string_view>

#include "platform/screen.h"

namespace verlano {

class Platform;

class clsDXBitmapFont {
 public:
  float XPos = 0;  // left edge of the next text's first character
  float YPos = 0;  // top edge of the text
  int width = 0;   // glyph cell size in pixels
  int height = 0;
  Surface dds;  // the font picture

  // Loads the picture through the platform; false with the three-line message
  // for "clsDXBitmapFont.CreateSpriteFromFile" in `error` when it cannot.
  bool CreateSpriteFromFile(Platform& platform, const std::string& strFile, int intWidth,
                            int intHeight, int colums, bool vidMem, std::string& error);
  // The cell size and the glyphs per picture row; false (and nothing changed)
  // for a grid without cells or columns.
  bool SetGrid(int intWidth, int intHeight, int colums);
  // Takes `big`'s glyphs, each cell resampled to the nearest pixel at the
  // size of this font's grid (set first), colour key and all: the small font
  // of an archive made before there was one. False for a grid not set.
  bool ShrinkFrom(const clsDXBitmapFont& big);
  // 1 black, 2 magenta; any other value leaves the key as it is.
  void SetTransColor(int color);
  // Draws UTF-8 `sText` at (XPos, YPos), characters `width` - 2 pixels apart,
  // each glyph cut to the screen's clip rectangle.
  void DrawText(const Screen& screen, Surface& dstSurface, std::string_view sText,
                bool colKey) const;
  // How wide `text` is drawn: its last cell whole, a character a cell.
  int TextWidth(std::string_view text) const;

 private:
  void DrawGlyph(const Screen& screen, Surface& destination, int glyph, float x,
                 bool transparent) const;
  int Colums = 1;
};

// Draws `text` with its top left at (x, y) of the screen's back buffer, the
// glyphs' colour key kept.
void DrawTextAt(clsDXBitmapFont& font, Screen& screen, int x, int y, std::string_view text);

}  // namespace verlano
