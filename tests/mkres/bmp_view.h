#pragma once
// Reads back the 24-bit BMPs the resource builder writes, the way the game's
// colour key sees them: a pixel is there unless it is exactly magenta.

#include <cstdint>
#include <utility>
#include <vector>

#include "resources/little_endian.h"

namespace verlano::mkres::testing {

class BmpView {
 public:
  explicit BmpView(std::vector<std::uint8_t> file) : file_(std::move(file)) {}

  bool IsBmp() const { return file_.size() >= 54 && file_[0] == 'B' && file_[1] == 'M'; }
  int Width() const { return static_cast<int>(Le32(18)); }
  int Height() const { return static_cast<int>(Le32(22)); }
  int BitsPerPixel() const { return file_[28] | (file_[29] << 8); }

  // 0xRRGGBB at (x, y), counted from the top-left corner.
  std::uint32_t Rgb(int x, int y) const {
    const int rowBytes = (Width() * 3 + 3) & ~3;
    const std::size_t at =
        Le32(10) + static_cast<std::size_t>((Height() - 1 - y) * rowBytes + x * 3);
    return (std::uint32_t{file_[at + 2]} << 16) | (std::uint32_t{file_[at + 1]} << 8) | file_[at];
  }
  bool Opaque(int x, int y) const { return Rgb(x, y) != 0xFF00FF; }

  // Opaque pixels in the rectangle [x0, x1) x [y0, y1).
  int CountOpaque(int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += Opaque(x, y) ? 1 : 0;
    return n;
  }

 private:
  std::uint32_t Le32(std::size_t at) const { return LoadLe32(file_.data() + at); }
  std::vector<std::uint8_t> file_;
};

}  // namespace verlano::mkres::testing
