#pragma once
// The game's bitmap fonts. Each picture is a grid of cells, 20 to a row,
// holding the characters from the blank (code 32) to "~" (126) in code order,
// then the accented letters of i18n/font_cells.h: six rows. The three table fonts have 19 x 27 cells, the small one for the
// seat labels and the hand's story 10 x 18. Glyphs are scaled so that every
// one sits inside its cell with a pixel to spare, on a common baseline, so a
// text drawn cell by cell at an advance of the cell's width less 2 reads as
// one line.

#include <array>
#include <string>

#include "i18n/font_cells.h"
#include "picture.h"

namespace verlano::mkres {

inline constexpr int kGlyphWidth = 19;
inline constexpr int kGlyphHeight = 27;
inline constexpr int kFontColumns = 20;
inline constexpr int kFontRows = (kFontCells - 1) / kFontColumns + 1;
inline constexpr int kGlyphMargin = 1;  // pixels kept clear on every side of a cell

struct InkColour {
  double r, g, b;
};

struct FontStyle {
  std::string fileName;      // "fntHandParker.bmp" ...
  std::string face;          // pango face without size
  std::string fallbackFace;  // draws the characters `face` lacks
  InkColour ink;             // fill at the top of the glyph...
  InkColour inkBottom;       // ...shading to this at its foot
  double outlineWidth;       // 0 for none
  InkColour outline;
  int cellWidth = kGlyphWidth;
  int cellHeight = kGlyphHeight;
  // A glyph too wide for its cell is condensed, but never below this share
  // of its width: beyond that letters stop looking like the face.
  double squeezeLimit = 0.75;
};

// Handwriting for the score sheet, seven-segment digits for the clock, and the
// display face, in the order the archive lists them.
const FontStyle& HandFontStyle();
const FontStyle& DigitFontStyle();
const FontStyle& DeluxeFontStyle();
// The small font after them: seat and pile labels, the hand's story.
const FontStyle& SmallFontStyle();
// All four, in the archive's order.
std::array<const FontStyle*, 4> FontStyles();

// The whole grid picture, transparent outside the glyphs. Throws
// std::runtime_error naming the character if neither face has it.
Surface RenderFont(const FontStyle& style);

// The face that draws `c` in this style: its own when it has the glyph.
const std::string& FaceForCharacter(const FontStyle& style, char32_t c);

// `c` in UTF-8, as pango takes it.
std::string Utf8Of(char32_t c);

}  // namespace verlano::mkres
