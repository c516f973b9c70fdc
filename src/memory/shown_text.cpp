#include "memory/shown_text.h"

#include <cstdint>

namespace verlano {

namespace {

// Bytes of the valid UTF-8 sequence at the front of `text`, or 0.
std::size_t Utf8Length(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  // Overlong forms, UTF-16 surrogates and code points past Unicode's end.
  constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  // C1 controls (U+0080..U+009F) act on terminals like the C0 ones.
  if (code < 0xA0) return 0;
  return length;
}

void Escape(std::string& out, std::uint8_t byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

}  // namespace

std::string Shown(std::string_view text, std::size_t limit) {
  const bool cut = text.size() > limit;
  if (cut) text = text.substr(0, limit);
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto c = static_cast<std::uint8_t>(text.front());
    std::size_t used = 1;
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      Escape(out, c);
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (const std::size_t length = Utf8Length(text); length > 0) {
      out.append(text.substr(0, length));
      used = length;
    } else {
      Escape(out, c);
    }
    text.remove_prefix(used);
  }
  return cut ? out + "..." : out;
}

std::string ShownPath(std::string_view path) {
  constexpr std::size_t kLongestShownPath = 256;
  return Shown(path, kLongestShownPath);
}

}  // namespace verlano
