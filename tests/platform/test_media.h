#pragma once
// Tiny pictures and sounds written by the platform tests themselves: a 24-bit
// BMP of given colours and a 16-bit stereo PCM WAV, in the formats the game's
// archive carries.

#include <cstdint>
#include <vector>

namespace verlano::test {

struct Rgb {
  std::uint8_t R = 0, G = 0, B = 0;
};

// A bottom-up 24-bit BMP; `rows` top to bottom, all of one width.
std::vector<std::uint8_t> BmpBytes(const std::vector<std::vector<Rgb>>& rows);

// A 22050 Hz 16-bit stereo WAV holding `frames` frames of a square wave.
std::vector<std::uint8_t> WavBytes(int frames);

}  // namespace verlano::test
