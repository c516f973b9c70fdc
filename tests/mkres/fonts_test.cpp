#include "fonts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "common/compiled_catalogue.h"
#include "mkres/bmp_view.h"

namespace verlano::mkres {

// Names the font in test output instead of printing its address.
void PrintTo(const FontStyle* style, std::ostream* os) {
  *os << style->fileName;
}

namespace {

using testing::BmpView;

// Each font rendered and encoded once for the whole suite.
const std::vector<std::uint8_t>& Encoded(const FontStyle& style) {
  static std::map<std::string, std::vector<std::uint8_t>> cache;
  auto it = cache.find(style.fileName);
  if (it == cache.end()) it = cache.emplace(style.fileName, EncodeBmp24(RenderFont(style))).first;
  return it->second;
}

struct Cell {
  int x, y;
};

Cell CellOf(char32_t c, const FontStyle& style) {
  const int g = FontCell(c);
  return {(g % kFontColumns) * style.cellWidth, (g / kFontColumns) * style.cellHeight};
}

std::string Quoted(char32_t c) {
  return "'" + Utf8Of(c) + "'";
}

int InkPixels(const BmpView& bmp, char32_t c, const FontStyle& style = DeluxeFontStyle()) {
  const Cell cell = CellOf(c, style);
  return bmp.CountOpaque(cell.x, cell.y, cell.x + style.cellWidth, cell.y + style.cellHeight);
}

int InkHeight(const BmpView& bmp, char32_t c, const FontStyle& style) {
  const Cell cell = CellOf(c, style);
  int top = style.cellHeight, bottom = -1;
  for (int y = 0; y < style.cellHeight; ++y) {
    if (bmp.CountOpaque(cell.x, cell.y + y, cell.x + style.cellWidth, cell.y + y + 1) > 0) {
      top = std::min(top, y);
      bottom = y;
    }
  }
  return bottom < 0 ? 0 : bottom - top + 1;
}

class EveryFont : public ::testing::TestWithParam<const FontStyle*> {
 protected:
  BmpView Bmp() const { return BmpView(Encoded(*GetParam())); }
  const FontStyle& Style() const { return *GetParam(); }
};

TEST_P(EveryFont, PictureIsTwentyColumnsOfCellsFromBlankToTheAccentedLetters) {
  const BmpView bmp = Bmp();
  ASSERT_TRUE(bmp.IsBmp());
  EXPECT_EQ(bmp.BitsPerPixel(), 24);
  EXPECT_EQ(bmp.Width(), 20 * Style().cellWidth);
  // "~" is cell 94, the accented letters follow: six rows.
  EXPECT_EQ(FontCell(U'~'), 94);
  EXPECT_EQ(bmp.Height(), 6 * Style().cellHeight);
}

TEST_P(EveryFont, EveryGlyphStaysInsideItsCellWithAMargin) {
  // The game steps 2 pixels less than a cell a character: ink on a cell's
  // border would be cut off or run into the neighbour's cell.
  const BmpView bmp = Bmp();
  const FontStyle& s = Style();
  for (int g = 0; g < kFontCells; ++g) {
    const char32_t c = FontCellCharacter(g);
    const Cell cell = CellOf(c, s);
    const int all = InkPixels(bmp, c, s);
    const int inside =
        bmp.CountOpaque(cell.x + kGlyphMargin, cell.y + kGlyphMargin,
                        cell.x + s.cellWidth - kGlyphMargin, cell.y + s.cellHeight - kGlyphMargin);
    EXPECT_EQ(all, inside) << Quoted(c) << " touches its cell's border";
  }
}

TEST_P(EveryFont, BlankCellIsEmptyAndVisibleCharactersHaveInk) {
  const BmpView bmp = Bmp();
  EXPECT_EQ(InkPixels(bmp, ' ', Style()), 0);
  for (char c : std::string("0123456789:")) {
    EXPECT_GT(InkPixels(bmp, c, Style()), 5) << "'" << c << "' is empty";
  }
}

TEST_P(EveryFont, DigitsAreLargeEnoughToRead) {
  // Fitting the widest glyph must not shrink the digits to a smudge: 14
  // pixels in the table's fonts, 8 in the small one (fitted to 10 pixels' width).
  const BmpView bmp = Bmp();
  for (char c : std::string("0123456789")) {
    EXPECT_GE(InkHeight(bmp, c, Style()), Style().cellWidth < kGlyphWidth ? 8 : 14) << "'" << c << "'";
  }
}

TEST_P(EveryFont, DrawsEveryCharacterTheItalianCatalogueWrites) {
  // Any text may reach the table, and a phrase added later is checked too:
  // each character needs a cell, with ink, that differs from its plain
  // letter's (an accent drawn, not a second "e").
  std::set<char32_t> characters;
  for (const test::CatalogueMessage& m : test::ReadCatalogue(VERLANO_ITALIAN_CATALOGUE)) {
    for (const char32_t c : Utf8Characters(m.translated)) characters.insert(c);
  }
  ASSERT_GT(characters.size(), 26u) << "no text read from " VERLANO_ITALIAN_CATALOGUE;
  const BmpView bmp = Bmp();
  for (const char32_t c : characters) {
    if (c == U'\n' || c == U' ') continue;
    const std::string shown = Quoted(c) + " (code " + std::to_string(c) + ")";
    ASSERT_GE(FontCell(c), 0) << shown << " has no cell in the fonts";
    EXPECT_GT(InkPixels(bmp, c, Style()), 0) << shown << " is empty";
  }
  for (const auto& [accented, plain] : {std::pair{U'\u00E8', U'e'}, std::pair{U'\u00C8', U'E'},
                                        std::pair{U'\u00F9', U'u'}, std::pair{U'\u00E0', U'a'}}) {
    const Cell a = CellOf(accented, Style()), p = CellOf(plain, Style());
    int differing = 0;
    for (int y = 0; y < Style().cellHeight; ++y) {
      for (int x = 0; x < Style().cellWidth; ++x) {
        differing += bmp.CountOpaque(a.x + x, a.y + y, a.x + x + 1, a.y + y + 1) !=
                     bmp.CountOpaque(p.x + x, p.y + y, p.x + x + 1, p.y + y + 1);
      }
    }
    EXPECT_GE(differing, 2) << Quoted(accented) << " looks like " << Quoted(plain);
  }
}

TEST_P(EveryFont, AccentedCapitalsKeepTheirLettersFoot) {
  // Pressed down to fit under the cell's top, the capital still stands on the
  // line its plain letter stands on.
  const BmpView bmp = Bmp();
  const auto foot = [&](char32_t c) {
    const Cell cell = CellOf(c, Style());
    int bottom = -1;
    for (int y = 0; y < Style().cellHeight; ++y) {
      if (bmp.CountOpaque(cell.x, cell.y + y, cell.x + Style().cellWidth, cell.y + y + 1) > 0) {
        bottom = y;
      }
    }
    return bottom;
  };
  // A face of its own for the accented letters has a baseline of its own.
  for (const auto& [accented, plain] : {std::pair{U'\u00C8', U'E'}, std::pair{U'\u00C0', U'A'}}) {
    if (FaceForCharacter(Style(), accented) != FaceForCharacter(Style(), plain)) continue;
    EXPECT_NEAR(foot(accented), foot(plain), 1) << Quoted(accented);
  }
}

INSTANTIATE_TEST_SUITE_P(Fonts, EveryFont,
                         ::testing::ValuesIn(FontStyles()),
                         [](const auto& font) {
                           std::string name = font.param->fileName;
                           return name.substr(0, name.find('.'));
                         });

TEST(HandFont, WritesEveryCharacterOfTheScoreSheet) {
  const BmpView bmp(Encoded(HandFontStyle()));
  const std::string sheet = "Cards:Coins:MoreC:7coin:Kcoin:Prime:Kevro:We)They We Won! We lost!";
  for (char c : sheet) {
    if (c == ' ') continue;
    EXPECT_GT(InkPixels(bmp, c), 5) << "'" << c << "' is empty";
  }
}

TEST(DigitFont, WritesTheClockAndItsDayHalves) {
  const BmpView bmp(Encoded(DigitFontStyle()));
  for (char c : std::string("0123456789:AMPamp")) {
    EXPECT_GT(InkPixels(bmp, c), 10) << "'" << c << "' is empty";
  }
}

TEST(DigitFont, UsesSevenSegmentsForDigitsAndTheFallbackForMissingPunctuation) {
  const FontStyle& style = DigitFontStyle();
  for (char c : std::string("0123456789:")) EXPECT_EQ(FaceForCharacter(style, c), style.face);
  // The seven-segment face has no brackets and an empty "!".
  for (char c : std::string("()!")) EXPECT_EQ(FaceForCharacter(style, c), style.fallbackFace);
}

TEST(HandFont, DrawsLettersInTheHandwritingFace) {
  const FontStyle& style = HandFontStyle();
  for (char c : std::string("CardsWeThey:7")) EXPECT_EQ(FaceForCharacter(style, c), style.face);
}

}  // namespace
}  // namespace verlano::mkres
