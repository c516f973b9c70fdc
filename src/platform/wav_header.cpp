#include "platform/wav_header.h"

#include <array>
#include <cstring>
#include <fstream>

#include "resources/little_endian.h"

namespace verlano {

namespace {

constexpr std::int64_t kChunkHeaderBytes = 8;
constexpr std::int64_t kFormatBytes = 16;  // the fields every format chunk has

// Reads exactly `out.size()` bytes at `offset`.
template <std::size_t N>
bool ReadAt(std::ifstream& in, std::int64_t offset, std::array<char, N>& out) {
  in.clear();
  in.seekg(offset);
  return static_cast<bool>(in.read(out.data(), N));
}

}  // namespace

bool CheckWavHeader(const std::string& path, std::string& problem) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  const std::int64_t fileSize = in.tellg();
  if (!in || fileSize < 0) {
    problem = "cannot open it";
    return false;
  }
  std::array<char, 12> riff{};
  if (!ReadAt(in, 0, riff) || std::memcmp(riff.data(), "RIFF", 4) != 0 ||
      std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
    problem = "not a WAV file";
    return false;
  }
  bool format = false;
  bool data = false;
  std::int64_t offset = static_cast<std::int64_t>(riff.size());
  std::array<char, kChunkHeaderBytes> chunk{};
  while (!(format && data) && ReadAt(in, offset, chunk)) {
    const std::int64_t length = LoadLe32(chunk.data() + 4);
    const std::int64_t left = fileSize - offset - kChunkHeaderBytes;
    if (length > left) {
      problem = "a chunk at byte " + std::to_string(offset) + " claims " + std::to_string(length) +
                " bytes, but only " + std::to_string(left) + " are left in the file";
      return false;
    }
    if (std::memcmp(chunk.data(), "fmt ", 4) == 0 && !format) {
      std::array<char, kFormatBytes> fields{};
      if (length < kFormatBytes || !ReadAt(in, offset + kChunkHeaderBytes, fields)) {
        problem = "its format chunk is cut short";
        return false;
      }
      const std::uint32_t rate = LoadLe32(fields.data() + 4);
      if (rate < kMinWavRate) {
        problem = "it claims " + std::to_string(rate) +
                  " samples a second; the game's sounds have at least " +
                  std::to_string(kMinWavRate);
        return false;
      }
      format = true;
    }
    data = data || std::memcmp(chunk.data(), "data", 4) == 0;
    // Chunks are padded to an even length.
    offset += kChunkHeaderBytes + length + (length & 1);
  }
  return true;
}

}  // namespace verlano
