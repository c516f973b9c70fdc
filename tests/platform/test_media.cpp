#include "platform/test_media.h"

#include <string_view>

namespace verlano::test {

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<std::uint8_t>& out, std::string_view tag) {
  out.insert(out.end(), tag.begin(), tag.end());
}

}  // namespace

std::vector<std::uint8_t> BmpBytes(const std::vector<std::vector<Rgb>>& rows) {
  const auto width = static_cast<std::uint32_t>(rows.front().size());
  const auto height = static_cast<std::uint32_t>(rows.size());
  const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
  const std::uint32_t dataSize = stride * height;
  std::vector<std::uint8_t> out;
  PutTag(out, "BM");
  Put(out, 54 + dataSize, 4);
  Put(out, 0, 4);
  Put(out, 54, 4);  // pixel data offset
  Put(out, 40, 4);  // info header size
  Put(out, width, 4);
  Put(out, height, 4);
  Put(out, 1, 2);   // planes
  Put(out, 24, 2);  // bits per pixel
  Put(out, 0, 4);   // no compression
  Put(out, dataSize, 4);
  Put(out, 2835, 4);
  Put(out, 2835, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    for (const Rgb& p : *row) out.insert(out.end(), {p.B, p.G, p.R});
    out.resize(out.size() + (stride - width * 3), 0);
  }
  return out;
}

std::vector<std::uint8_t> WavBytes(int frames) {
  constexpr std::uint32_t kRate = 22050;
  constexpr std::uint32_t kBlock = 4;  // two 16-bit samples
  const std::uint32_t dataSize = static_cast<std::uint32_t>(frames) * kBlock;
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  Put(out, 36 + dataSize, 4);
  PutTag(out, "WAVEfmt ");
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 2, 2);  // stereo
  Put(out, kRate, 4);
  Put(out, kRate * kBlock, 4);
  Put(out, kBlock, 2);
  Put(out, 16, 2);
  PutTag(out, "data");
  Put(out, dataSize, 4);
  for (int i = 0; i < frames; ++i) {
    const std::uint16_t level = (i / 50) % 2 == 0 ? 0x2000 : 0xE000;
    Put(out, level, 2);
    Put(out, level, 2);
  }
  return out;
}

}  // namespace verlano::test
