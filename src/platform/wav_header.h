#pragma once
// What a WAV file's chunks claim, checked before SDL_mixer reads the file. The
// mixer takes memory for a whole chunk as its header claims it, then stretches
// the samples to the device's rate, so a header claiming 4 GB of data, or one
// sample a second, would ask for gigabytes on behalf of a file of a few bytes.

#include <cstdint>
#include <string>

namespace verlano {

// The lowest sample rate taken: the game's 22050 Hz stretches such a sound at
// most 22050/8000 times.
inline constexpr std::uint32_t kMinWavRate = 8000;

// True when `path` is a RIFF WAVE file whose chunks, up to its format and its
// data, each fit in what is left of the file, at kMinWavRate or more. False
// with the reason, worded to follow "Cannot read the sound PATH: ". What the
// chunks hold beyond their sizes and rate is left to the mixer.
bool CheckWavHeader(const std::string& path, std::string& problem);

}  // namespace verlano
