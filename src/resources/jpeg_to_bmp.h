#pragma once
// The table background ships as a JPEG but is loaded as a Windows bitmap;
// this decodes the one and encodes the other in memory with SDL2_image (no
// video needed), so the caller writes the file and sees why a write failed.

#include <cstdint>
#include <string>
#include <vector>

namespace verlano {

// The picture at `jpegPath` as the bytes of a BMP file; false with a reason
// when it cannot be decoded or encoded, or when its frame header claims a size
// the game cannot use (PictureSizeProblem): then nothing is decoded.
[[nodiscard]] bool EncodeJpegAsBmp(const std::string& jpegPath, std::vector<std::uint8_t>& bmp,
                                   std::string& error);

}  // namespace verlano
