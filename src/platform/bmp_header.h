#pragma once
// What a BMP file's header claims, checked before anything decodes the file:
// the size against what the game can use and, for pixels stored uncompressed,
// the rows against the bytes the file really holds. So a damaged header cannot
// make the decoder ask for more memory than the file could ever fill.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace verlano {

// How many of the file's first bytes the check reads.
inline constexpr std::size_t kBmpHeadBytes = 34;

struct BmpSize {
  int width = 0;
  int height = 0;  // rows, positive whether stored top-down or bottom-up
};

// Checks `head`, the first bytes (up to kBmpHeadBytes) of a file of `fileSize`
// bytes. True with the picture's size; false with the reason, worded to
// follow "Cannot read the picture PATH: ".
bool CheckBmpHeader(std::span<const std::uint8_t> head, std::int64_t fileSize, BmpSize& size,
                    std::string& problem);

}  // namespace verlano
