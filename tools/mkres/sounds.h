#pragma once
// The game's ten sound effects, synthesised from seeded noise and simple
// partials so that every build writes the same bytes, and encoded in the one
// wave format the game's sound buffers take: PCM, 2 channels, 22050 Hz, 16 bits.

#include <cstdint>
#include <string>
#include <vector>

namespace verlano::mkres {

inline constexpr int kSampleRate = 22050;
inline constexpr int kChannels = 2;

// Interleaved left/right samples in [-1, 1].
struct StereoSamples {
  std::vector<float> interleaved;
  std::size_t Frames() const { return interleaved.size() / kChannels; }
};

struct NamedSound {
  std::string fileName;  // as the game loads it, "CARD_FLIP.WAV" .. "WIN_GAME.WAV"
  StereoSamples samples;
};

// All ten sounds in the game's load order, each faded in and out and levelled
// to a peak below full scale.
std::vector<NamedSound> SynthesiseSounds();

// A whole RIFF/WAVE file: "fmt " chunk then "data" chunk, 16-bit little-endian.
std::vector<std::uint8_t> EncodeWav(const StereoSamples& samples);

}  // namespace verlano::mkres
