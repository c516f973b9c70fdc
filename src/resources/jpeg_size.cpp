#include "resources/jpeg_size.h"

namespace verlano {

namespace {

constexpr std::uint8_t kMarker = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;  // the image data follows
constexpr std::size_t kFrameFieldBytes = 6;  // precision, height, width, components

// Markers that stand alone, with no length after them.
bool Standalone(std::uint8_t code) {
  return code == 0x01 || (code >= 0xD0 && code <= 0xD7);
}

// C0 to CF are frame headers, but for C4 (Huffman tables), C8 (reserved) and
// CC (arithmetic coding conditions).
bool FrameHeader(std::uint8_t code) {
  return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

int Be16(const std::uint8_t* p) {
  return (p[0] << 8) | p[1];
}

}  // namespace

bool ReadJpegSize(std::span<const std::uint8_t> jpeg, JpegSize& size, std::string& problem) {
  if (jpeg.size() < 2 || jpeg[0] != kMarker || jpeg[1] != kStartOfImage) {
    problem = "not a JPEG file";
    return false;
  }
  std::size_t at = 2;
  while (true) {
    if (at >= jpeg.size() || jpeg[at] != kMarker) break;
    // Any number of fill bytes may come before the marker's code.
    while (at < jpeg.size() && jpeg[at] == kMarker) ++at;
    if (at >= jpeg.size()) break;
    const std::uint8_t code = jpeg[at++];
    if (Standalone(code)) continue;
    if (code == kStartOfImage || code == kEndOfImage || code == kStartOfScan) break;
    if (jpeg.size() - at < 2) break;
    const std::size_t length = static_cast<std::size_t>(Be16(&jpeg[at]));  // counts itself
    if (length < 2 || length > jpeg.size() - at) {
      problem = "a segment at byte " + std::to_string(at - 2) + " claims " +
                std::to_string(length) + " bytes, more than the file holds";
      return false;
    }
    if (FrameHeader(code)) {
      if (length < 2 + kFrameFieldBytes) break;
      size.height = Be16(&jpeg[at + 3]);
      size.width = Be16(&jpeg[at + 5]);
      return true;
    }
    at += length;
  }
  problem = "it has no readable frame header (SOF) before its image data, so it is damaged";
  return false;
}

}  // namespace verlano
