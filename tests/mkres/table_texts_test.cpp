#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/compiled_catalogue.h"
#include "fonts.h"

namespace verlano::mkres {
namespace {

using test::CatalogueMessage;

// The table's width in glyphs of its bitmap fonts, drawn kGlyphWidth - 2 apart.
constexpr std::size_t kTableGlyphs = (800 - kGlyphWidth) / (kGlyphWidth - 2) + 1;

// A text as drawn, in cells: a character each, each printf number as wide
// as two digits ("%s" stands for a number with decimals, as wide as four).
std::size_t DrawnLength(const std::string& text) {
  auto length = static_cast<std::size_t>(TextCells(text));
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
    const std::size_t end = text.find_first_of("ds", at);
    if (end != std::string::npos) length = length - (end + 1 - at) + (text[end] == 'd' ? 2 : 4);
  }
  return length;
}

// The coach's words, in the small font, fit the review page's reason column
// (442 pixels, 8 a character) and the message band over the hint's card.
constexpr std::size_t kCoachGlyphs = 55;

// What reaches the table is drawn with its bitmap fonts (fonts_test checks
// they draw every character of the catalogue) and must fit the table; the
// score page's columns must also keep the English widths, so the numbers stay
// where they are, and end as the English does, with a colon; its lines of
// their own fit where its widest English line, the click hint, fits.
TEST(TableTexts, EveryTranslationDrawnAtTheTableHasTheFontsCharactersAndFits) {
  const std::vector<CatalogueMessage> messages = test::ReadCatalogue(VERLANO_ITALIAN_CATALOGUE);
  std::size_t widestPageLine = 0;
  for (const CatalogueMessage& m : messages) {
    if (m.context == "score page line") {
      widestPageLine = std::max(widestPageLine, DrawnLength(m.english));
    }
  }
  int tableTexts = 0;
  for (const CatalogueMessage& m : messages) {
    if (m.context != "table" && m.context != "score page" && m.context != "score page line" &&
        m.context != "coach") {
      continue;
    }
    ++tableTexts;
    EXPECT_LE(DrawnLength(m.translated), m.context == "coach" ? kCoachGlyphs : kTableGlyphs)
        << '"' << m.translated << "\" is wider than the table or the review page's column";
    if (m.context == "score page") {
      EXPECT_LE(TextCells(m.translated), TextCells(m.english))
          << '"' << m.translated << "\" is wider than \"" << m.english << '"';
      EXPECT_EQ(m.translated.ends_with(':'), m.english.ends_with(':'))
          << '"' << m.translated << "\" should end as \"" << m.english << "\" does";
    }
    if (m.context == "score page line") {
      EXPECT_LE(DrawnLength(m.translated), widestPageLine)
          << '"' << m.translated << "\" is wider than the page's widest English line";
    }
  }
  EXPECT_GT(tableTexts, 0) << "no text of the table read from " VERLANO_ITALIAN_CATALOGUE;
  EXPECT_GT(widestPageLine, 0u) << "no line of the score page read";
}

}  // namespace
}  // namespace verlano::mkres
