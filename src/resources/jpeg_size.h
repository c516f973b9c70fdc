#pragma once
// The size a JPEG claims, read from its frame header (the SOF marker) without
// decoding anything, so the table's picture can be refused before the decoder
// takes memory for every pixel it claims. The walk goes segment by segment,
// every length checked against the bytes there are, as the decoder reads them.

#include <cstdint>
#include <span>
#include <string>

namespace verlano {

struct JpegSize {
  int width = 0;
  int height = 0;
};

// True with the size in the first frame header of `jpeg`; false with the
// reason when there is none before the image data (not a JPEG, a segment
// running past the end, a cut file).
[[nodiscard]] bool ReadJpegSize(std::span<const std::uint8_t> jpeg, JpegSize& size,
                                std::string& problem);

}  // namespace verlano
