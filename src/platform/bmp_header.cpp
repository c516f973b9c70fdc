#include "platform/bmp_header.h"

#include <algorithm>

#include "resources/little_endian.h"
#include "resources/picture_limits.h"

namespace verlano {

namespace {

constexpr std::int64_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;  // the oldest header: 16-bit fields
constexpr std::uint32_t kInfoHeaderBytes = 40;  // and every later one, larger
constexpr std::size_t kCoreHeadBytes = 26;

// The compression field. Only rows stored as they are: run-length encoding
// (1 and 2) lets two bytes stand for 2048x2048 pixels, and a few hundred such
// pictures would take gigabytes. The game's own pictures are uncompressed.
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;  // uncompressed, with colour masks

std::uint32_t Le16(const std::uint8_t* p) {
  return p[0] | (static_cast<std::uint32_t>(p[1]) << 8);
}

// Bytes, not bits, a pixel, so a picture never holds more pixels than its file
// has bytes; the game's own pictures have 24.
bool UsableDepth(std::uint32_t bits) {
  return bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool CheckBmpHeader(std::span<const std::uint8_t> head, std::int64_t fileSize, BmpSize& size,
                    std::string& problem) {
  if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') {
    problem = "not a BMP file";
    return false;
  }
  const std::uint32_t infoBytes = head.size() >= 18 ? LoadLe32(&head[14]) : 0;
  const bool core = infoBytes == kCoreHeaderBytes;
  if (head.size() < (core ? kCoreHeadBytes : kBmpHeadBytes)) {
    problem = "its header is cut short";
    return false;
  }
  if (!core && infoBytes < kInfoHeaderBytes) {
    problem = "its header claims " + std::to_string(infoBytes) + " bytes, which no BMP has";
    return false;
  }
  // Signed 32-bit fields, but for the oldest header's unsigned 16-bit ones.
  const auto field = [&](std::size_t core16, std::size_t info32) -> std::int64_t {
    if (core) return Le16(&head[core16]);
    return static_cast<std::int32_t>(LoadLe32(&head[info32]));
  };
  const std::int64_t width = field(18, 18);
  const std::int64_t height = field(20, 22);
  const std::uint32_t bits = Le16(&head[core ? 24 : 28]);
  const std::uint32_t compression = core ? kUncompressed : LoadLe32(&head[30]);
  // A negative height stores the rows top to bottom.
  const std::int64_t rows = height < 0 ? -height : height;
  problem = PictureSizeProblem(width, rows);
  if (!problem.empty()) return false;
  if (!UsableDepth(bits)) {
    problem = "it claims " + std::to_string(bits) +
              " bits a pixel; the game's pictures have 8, 16, 24 or 32";
    return false;
  }
  if (compression != kUncompressed && compression != kBitFields) {
    problem = "it is compressed (method " + std::to_string(compression) +
              "); the game's pictures are stored uncompressed";
    return false;
  }
  // Rows are padded to four bytes and start after the headers.
  const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
  const std::int64_t start =
      std::max<std::int64_t>(LoadLe32(&head[10]), kFileHeaderBytes + infoBytes);
  const std::int64_t needed = start + rowBytes * rows;
  if (needed > fileSize) {
    problem = "it claims " + std::to_string(width) + "x" + std::to_string(rows) + " pixels of " +
              std::to_string(bits) + " bits, which need " + std::to_string(needed) +
              " bytes, but the file has only " + std::to_string(fileSize);
    return false;
  }
  size.width = static_cast<int>(width);
  size.height = static_cast<int>(rows);
  return true;
}

}  // namespace verlano
