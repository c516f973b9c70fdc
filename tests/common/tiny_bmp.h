#pragma once
// The smallest picture the game loads: a 4 x 4 24-bit BMP, standing in for
// every picture of the archive where a test runs the game on the headless
// platform without the real artwork.

#include <cstdint>
#include <vector>

namespace verlano::test {

inline std::vector<std::uint8_t> TinyBmp() {
  std::vector<std::uint8_t> b(54 + 4 * 12, 0);
  auto le32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  le32(2, static_cast<std::uint32_t>(b.size()));
  le32(10, 54);
  le32(14, 40);
  le32(18, 4);
  le32(22, 4);
  b[26] = 1;
  b[28] = 24;
  le32(34, 4 * 12);
  return b;
}

}  // namespace verlano::test
