#pragma once
// What a BMP file's header claims, checked before anything decodes the file:
// the size against what the game can use, and the rows against the bytes the
// file really holds. Only what the game's own pictures are is taken (pixels of
// a byte or more, stored uncompressed), so no picture decodes to more pixels
// than its file has bytes, and a damaged archive cannot make the game ask for
// much more memory than the archive's own size.

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
