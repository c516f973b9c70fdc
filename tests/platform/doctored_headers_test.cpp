// Pictures and sounds whose headers claim more than the file holds or the game
// can show: each is refused by name before anything is decoded, and no large
// allocation happens (the suite runs under an allocation ceiling).

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "common/allocation_ceiling.h"
#include "common/scratch_files.h"
#include "platform/bmp_file.h"
#include "platform/test_media.h"
#include "platform/wav_header.h"

namespace verlano {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Set(Bytes& bytes, std::size_t at, std::uint32_t value, int width = 4) {
  for (int b = 0; b < width; ++b) bytes.at(at + b) = static_cast<std::uint8_t>(value >> (8 * b));
}

// Fields of the BMP header BmpBytes writes.
constexpr std::size_t kPixelOffset = 10, kInfoSize = 14, kWidth = 18, kHeight = 22, kBits = 28,
                      kCompression = 30;

struct DoctoredBmp {
  const char* name;
  std::function<void(Bytes&)> doctor;
  const char* refusal;  // nullptr: the picture loads
  int height = 2;
};

TEST(DoctoredHeaders, PicturesAreRefusedBeforeTheirPixelsAreDecoded) {
  const std::vector<DoctoredBmp> cases = {
      {"huge", [](Bytes& b) { Set(b, kWidth, 40000), Set(b, kHeight, 40000); },
       "it claims 40000x40000 pixels; the game's pictures are at most 2048x2048"},
      {"one_too_wide", [](Bytes& b) { Set(b, kWidth, 2049); }, "it claims 2049x2 pixels; "},
      {"most_negative_height", [](Bytes& b) { Set(b, kHeight, 0x80000000u); },
       "it claims 3x2147483648 pixels; "},
      {"negative_width", [](Bytes& b) { Set(b, kWidth, static_cast<std::uint32_t>(-3)); },
       "it claims -3x2 pixels, so it is damaged"},
      {"zero_height", [](Bytes& b) { Set(b, kHeight, 0); }, "it claims 3x0 pixels, so it is"},
      {"more_rows_than_the_file", [](Bytes& b) { Set(b, kHeight, 2000); },
       "it claims 3x2000 pixels of 24 bits, which need 24054 bytes, but the file has only 78"},
      {"pixels_cut", [](Bytes& b) { b.resize(b.size() - 10); }, "which need 78 bytes"},
      {"pixels_past_the_end", [](Bytes& b) { Set(b, kPixelOffset, 1u << 30); },
       "which need 1073741848 bytes"},
      {"odd_header_size", [](Bytes& b) { Set(b, kInfoSize, 20); }, "claims 20 bytes"},
      {"unknown_depth", [](Bytes& b) { Set(b, kBits, 7, 2); }, "claims 7 bits a pixel"},
      {"one_bit_a_pixel", [](Bytes& b) { Set(b, kBits, 1, 2); },
       "it claims 1 bits a pixel; the game's pictures have 8, 16, 24 or 32"},
      // Two bytes of run-length codes would stand for every pixel claimed.
      {"run_length_encoded",
       [](Bytes& b) { Set(b, kBits, 8, 2), Set(b, kCompression, 1), Set(b, kHeight, 2048); },
       "it is compressed (method 1); the game's pictures are stored uncompressed"},
      {"compressed_as_jpeg", [](Bytes& b) { Set(b, kCompression, 4); }, "(method 4)"},
      {"top_down", [](Bytes& b) { Set(b, kHeight, static_cast<std::uint32_t>(-2)); }, nullptr},
      {"oldest_header",
       [](Bytes& b) {
         // The 12-byte header: 16-bit size fields, the pixels right after it.
         b.erase(b.begin() + 26, b.begin() + 54);
         Set(b, kPixelOffset, 26), Set(b, kInfoSize, 12), Set(b, kWidth, 3, 2);
         Set(b, 20, 2, 2), Set(b, 22, 1, 2), Set(b, 24, 24, 2);
       },
       nullptr},
  };
  test::TempDir dir;
  for (const DoctoredBmp& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes bytes =
        test::BmpBytes({{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, {{9, 8, 7}, {6, 5, 4}, {3, 2, 1}}});
    c.doctor(bytes);
    const std::string path = dir / (std::string(c.name) + ".bmp");
    test::WriteFile(path, bytes);
    Surface pixels, size;
    std::string loadError, sizeError;
    int number = 0;
    const bool loaded = LoadBmpFile(path, pixels, loadError, number);
    const bool sized = ReadBmpSize(path, size, sizeError, number);
    if (c.refusal == nullptr) {
      ASSERT_TRUE(loaded) << loadError;
      ASSERT_TRUE(sized) << sizeError;
      EXPECT_EQ(pixels.Width, 3);
      EXPECT_EQ(pixels.Height, c.height);
      EXPECT_EQ(size.Height, c.height);
      continue;
    }
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(sized);
    // The real display and the headless one refuse it alike.
    EXPECT_EQ(loadError, sizeError);
    EXPECT_EQ(loadError.rfind("Cannot read the picture " + path + ": ", 0), 0u) << loadError;
    EXPECT_NE(loadError.find(c.refusal), std::string::npos) << loadError;
  }
}

// Offsets in the WAV WavBytes writes.
constexpr std::size_t kFormatLength = 16, kRate = 24, kDataLength = 40;

TEST(DoctoredHeaders, SoundsClaimingMoreThanTheFileHoldsAreRefused) {
  const struct {
    const char* name;
    std::function<void(Bytes&)> doctor;
    const char* refusal;  // nullptr: the mixer may have it
  } cases[] = {
      {"huge_data", [](Bytes& b) { Set(b, kDataLength, 0xFFFFFF00u); },
       "a chunk at byte 36 claims 4294967040 bytes, but only 400 are left in the file"},
      {"data_one_byte_long", [](Bytes& b) { Set(b, kDataLength, 401); }, "claims 401 bytes"},
      {"huge_format", [](Bytes& b) { Set(b, kFormatLength, 0x7FFFFFF0u); },
       "a chunk at byte 12 claims 2147483632 bytes"},
      {"short_format", [](Bytes& b) { Set(b, kFormatLength, 8); }, "format chunk is cut short"},
      {"one_sample_a_second", [](Bytes& b) { Set(b, kRate, 1); },
       "it claims 1 samples a second; the game's sounds have at least 8000"},
      {"not_riff", [](Bytes& b) { b[0] = 'X'; }, "not a WAV file"},
      {"cut_in_the_header", [](Bytes& b) { b.resize(10); }, "not a WAV file"},
      {"well_formed", [](Bytes&) {}, nullptr},
      {"odd_chunk_before_the_data",
       [](Bytes& b) {
         const Bytes odd = {'n', 'o', 't', 'e', 1, 0, 0, 0, 'x', 0};
         b.insert(b.begin() + 36, odd.begin(), odd.end());
       },
       nullptr},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes bytes = test::WavBytes(100);
    c.doctor(bytes);
    const std::string path = dir / (std::string(c.name) + ".wav");
    test::WriteFile(path, bytes);
    std::string problem;
    EXPECT_EQ(CheckWavHeader(path, problem), c.refusal == nullptr) << problem;
    if (c.refusal != nullptr) {
      EXPECT_NE(problem.find(c.refusal), std::string::npos) << problem;
    }
  }
}

}  // namespace
}  // namespace verlano
