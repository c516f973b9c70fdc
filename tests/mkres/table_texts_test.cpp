#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "common/scratch_files.h"
#include "fonts.h"

namespace verlano::mkres {
namespace {

struct Message {
  std::string context;  // empty for none
  std::string english;
  std::string translated;
};

std::uint32_t Word(const std::string& bytes, std::size_t at) {
  std::uint32_t word = 0;
  if (at + 4 <= bytes.size()) std::memcpy(&word, bytes.data() + at, 4);
  return word;  // compiled on this machine, so in its byte order
}

std::string StringAt(const std::string& bytes, std::size_t table, std::uint32_t index) {
  const std::uint32_t length = Word(bytes, table + 8 * index);
  const std::uint32_t offset = Word(bytes, table + 8 * index + 4);
  return offset + length <= bytes.size() ? bytes.substr(offset, length) : std::string();
}

// Every message of a compiled catalogue (the .mo the game reads).
std::vector<Message> ReadCatalogue(const std::string& path) {
  const std::string bytes = test::ReadFile(path);
  std::vector<Message> messages;
  if (Word(bytes, 0) != 0x950412deU) return messages;
  const std::uint32_t count = Word(bytes, 8);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::string key = StringAt(bytes, Word(bytes, 12), i);
    const std::size_t separator = key.find('\004');
    Message m;
    if (separator != std::string::npos) m.context = key.substr(0, separator);
    m.english = separator == std::string::npos ? key : key.substr(separator + 1);
    m.translated = StringAt(bytes, Word(bytes, 16), i);
    messages.push_back(std::move(m));
  }
  return messages;
}

// The table's width in glyphs of its bitmap fonts, drawn kGlyphWidth - 2 apart.
constexpr std::size_t kTableGlyphs = (800 - kGlyphWidth) / (kGlyphWidth - 2) + 1;

// A text as drawn: each printf number as wide as two digits.
std::size_t DrawnLength(const std::string& text) {
  std::size_t length = text.size();
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
    const std::size_t end = text.find('d', at);
    if (end != std::string::npos) length = length - (end + 1 - at) + 2;
  }
  return length;
}

// What reaches the table is drawn with its bitmap fonts, which hold the
// characters from kFirstCode to kLastCode only, and must fit the table; the
// score page's rows must also keep the English widths, so its columns stay
// where they are.
TEST(TableTexts, EveryTranslationDrawnAtTheTableHasTheFontsCharactersAndFits) {
  const std::vector<Message> messages = ReadCatalogue(VERLANO_ITALIAN_CATALOGUE);
  int tableTexts = 0;
  for (const Message& m : messages) {
    if (m.context != "table" && m.context != "score page") continue;
    ++tableTexts;
    for (const char c : m.translated) {
      const int code = static_cast<unsigned char>(c);
      EXPECT_TRUE(code >= kFirstCode && code <= kLastCode)
          << '"' << m.translated << "\" (for \"" << m.english << "\") has the character code "
          << code << ", which the table's fonts lack";
    }
    EXPECT_LE(DrawnLength(m.translated), kTableGlyphs)
        << '"' << m.translated << "\" is wider than the table";
    if (m.context == "score page") {
      EXPECT_LE(m.translated.size(), m.english.size())
          << '"' << m.translated << "\" is wider than \"" << m.english << '"';
    }
  }
  EXPECT_GT(tableTexts, 0) << "no text of the table read from " VERLANO_ITALIAN_CATALOGUE;
}

}  // namespace
}  // namespace verlano::mkres
