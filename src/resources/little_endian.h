#pragma once
// Little-endian integers as the PAK archive, the BMP pictures and the WAV
// sounds store them. The archive reader and writer, the resource builder and
// the tests all go through these few lines, so they cannot disagree on the
// byte order or the width of a field.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace verlano {

// Appends the low `byteCount` bytes of `value`, lowest first.
inline void AppendLe(std::vector<std::uint8_t>& out, std::uint32_t value, int byteCount) {
  for (int b = 0; b < byteCount; ++b) out.push_back(static_cast<std::uint8_t>(value >> (8 * b)));
}

// Overwrites the four bytes at `at`; throws std::out_of_range past the end.
inline void StoreLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (std::size_t b = 0; b < 4; ++b)
    bytes.at(at + b) = static_cast<std::uint8_t>(value >> (8 * b));
}

// The four bytes at `bytes` as one value; `Byte` is char for stream buffers.
template <typename Byte>
requires(sizeof(Byte) == 1) std::uint32_t LoadLe32(const Byte* bytes) {
  std::uint32_t value = 0;
  for (int b = 3; b >= 0; --b) value = (value << 8) | static_cast<std::uint8_t>(bytes[b]);
  return value;
}

}  // namespace verlano
