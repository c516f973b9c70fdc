#pragma once
// Which cell of the table's bitmap fonts draws a character. The fonts hold
// the printable ASCII characters from the blank (code 32) to "~" in code
// order, then the accented letters Italian writes. The texts reach the table
// in UTF-8 from the catalogue, so a text is read character by character, not
// byte by byte. The font builder draws its cells from this list and the game
// finds them by it, so the two cannot drift apart.

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace verlano {

inline constexpr char32_t kFirstFontCode = 32;  // the blank, in the top-left cell
inline constexpr char32_t kLastAsciiCode = 126;  // "~"
inline constexpr int kAsciiCells = static_cast<int>(kLastAsciiCode - kFirstFontCode) + 1;

// After "~": the grave accents of every vowel, the acute of e (perché), and
// the acute of the others, which some words and names still carry.
inline constexpr std::array<char32_t, 18> kAccentedLetters = {
    U'\u00E0', U'\u00E8', U'\u00E9', U'\u00EC', U'\u00ED', U'\u00F2',
    U'\u00F3', U'\u00F9', U'\u00FA', U'\u00C0', U'\u00C8', U'\u00C9',
    U'\u00CC', U'\u00CD', U'\u00D2', U'\u00D3', U'\u00D9', U'\u00DA'};

inline constexpr int kFontCells = kAsciiCells + static_cast<int>(kAccentedLetters.size());

// The character cell `cell` draws.
constexpr char32_t FontCellCharacter(int cell) {
  return cell < kAsciiCells ? kFirstFontCode + static_cast<char32_t>(cell)
                            : kAccentedLetters[static_cast<std::size_t>(cell - kAsciiCells)];
}

// The cell that draws `c`, or -1 when the fonts lack it.
constexpr int FontCell(char32_t c) {
  if (c >= kFirstFontCode && c <= kLastAsciiCode) return static_cast<int>(c - kFirstFontCode);
  for (std::size_t i = 0; i < kAccentedLetters.size(); ++i) {
    if (kAccentedLetters[i] == c) return kAsciiCells + static_cast<int>(i);
  }
  return -1;
}

// The characters of UTF-8 `text` in order. A byte that starts no well-formed
// sequence counts as one character of its own, U+FFFD, which no cell draws:
// it takes a cell's room and shows nothing.
inline std::vector<char32_t> Utf8Characters(std::string_view text) {
  std::vector<char32_t> characters;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int more = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
                                   : (lead & 0xF8) == 0xF0   ? 3
                                                             : -1;
    char32_t c = more == 0 ? lead : more == 1 ? lead & 0x1FU : more == 2 ? lead & 0x0FU : lead & 0x07U;
    bool whole = more >= 0 && i + static_cast<std::size_t>(more) < text.size();
    for (int k = 1; whole && k <= more; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      whole = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3FU);
    }
    // Overlong forms would let a byte sequence stand for an ASCII character.
    constexpr std::array<char32_t, 4> kLeast = {0, 0x80, 0x800, 0x10000};
    if (!whole || c < kLeast[static_cast<std::size_t>(std::max(more, 0))]) {
      characters.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    characters.push_back(c);
    i += static_cast<std::size_t>(more) + 1;
  }
  return characters;
}

// How many cells `text` takes when drawn: its characters, not its bytes.
inline int TextCells(std::string_view text) {
  return static_cast<int>(Utf8Characters(text).size());
}

}  // namespace verlano
