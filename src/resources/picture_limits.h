#pragma once
// The largest picture the game decodes. Every picture's size is read from its
// header and held against this before any pixel memory is taken, so a damaged
// header claiming 30000x30000 pixels is refused at once instead of asking for
// gigabytes. Header-only and kept here, below the platform, so the resource
// unpacker (converting the table's JPEG) and the platform's BMP loader apply
// the same bound.

#include <cstdint>
#include <string>

namespace verlano {

// The table is 800x600 and no picture of the game comes near this side. The
// bound also keeps the game within 200 MB: a table JPEG that claims 2048x2048
// pixels in a few kilobytes peaks at 172 MB, one claiming 4096x4096 at 262 MB
// (decoded, converted, written and loaded again).
inline constexpr std::int64_t kMaxPictureSide = 2048;

// Empty when a picture of `width` x `height` pixels is one the game can use;
// otherwise why not, worded to follow "Cannot read the picture PATH: ".
inline std::string PictureSizeProblem(std::int64_t width, std::int64_t height) {
  const std::string claim =
      "it claims " + std::to_string(width) + "x" + std::to_string(height) + " pixels";
  if (width <= 0 || height <= 0) return claim + ", so it is damaged";
  if (width > kMaxPictureSide || height > kMaxPictureSide) {
    const std::string side = std::to_string(kMaxPictureSide);
    return claim + "; the game's pictures are at most " + side + "x" + side;
  }
  return {};
}

}  // namespace verlano
