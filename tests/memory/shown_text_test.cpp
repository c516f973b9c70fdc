#include "memory/shown_text.h"

#include <gtest/gtest.h>

namespace verlano {
namespace {

TEST(ShownText, WhatATerminalOrALabelCouldMisreadIsEscaped) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"plain/path ok", "plain/path ok"},
      {"più Denari", "più Denari"},                   // UTF-8 stays as it is
      {"a\nb\tc\\d", "a\\nb\\tc\\\\d"},               // one line whatever the path holds
      {"\x1b]0;title\x07", "\\x1b]0;title\\x07"},     // no escape reaches the terminal
      {std::string("cut\0here", 8), "cut\\x00here"},  // a NUL does not end the text
      {"\xff\xfe", "\\xff\\xfe"},                     // not UTF-8
      {"\xc3", "\\xc3"},                              // a sequence cut short
      {"\xc0\xaf", "\\xc0\\xaf"},                     // an overlong '/'
      {"\xed\xa0\x80", "\\xed\\xa0\\x80"},            // a UTF-16 surrogate
      {"\xc2\x9b"
       "31m",
       "\\xc2\\x9b31m"},                             // a C1 control
      {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},  // past Unicode's end
      {"\xf0\x9f\x83\x8f", "\xf0\x9f\x83\x8f"},      // a four-byte character
  };
  for (const auto& c : cases) EXPECT_EQ(Shown(c.in), c.out) << c.out;
  EXPECT_EQ(Shown("abcdef", 3), "abc...");
  EXPECT_EQ(Shown("abc", 3), "abc");
}

// Whatever the bytes, the result is one line of printable characters and
// valid UTF-8 (checked with the same decoder's eyes: every byte >= 0x80 sits
// in a sequence Shown passed through unchanged).
TEST(ShownText, AnyBytesGiveOnePrintableLine) {
  std::uint32_t state = 12345;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    const int length = static_cast<int>(state % 24);
    for (int i = 0; i < length; ++i) {
      state = state * 1664525u + 1013904223u;
      bytes += static_cast<char>(state >> 24);
    }
    const std::string shown = Shown(bytes);
    for (const char c : shown) {
      const auto b = static_cast<unsigned char>(c);
      ASSERT_TRUE(b >= 0x20 && b != 0x7F) << shown;
    }
    // Shown of what is shown changes only the backslashes: nothing raw is left.
    std::string doubled;
    for (const char c : shown) doubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
    ASSERT_EQ(Shown(shown), doubled);
  }
}

}  // namespace
}  // namespace verlano
