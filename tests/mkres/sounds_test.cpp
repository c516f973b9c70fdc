#include "sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace verlano::mkres {
namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& f, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int b = bytes - 1; b >= 0; --b) v = (v << 8) | f[at + b];
  return v;
}

std::string Tag(const std::vector<std::uint8_t>& f, std::size_t at) {
  return std::string(f.begin() + at, f.begin() + at + 4);
}

std::vector<std::int16_t> Pcm(const std::vector<std::uint8_t>& wav) {
  std::vector<std::int16_t> out;
  for (std::size_t i = 44; i + 1 < wav.size(); i += 2) {
    out.push_back(static_cast<std::int16_t>(Le(wav, i, 2)));
  }
  return out;
}

class GameSounds : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sounds_ = new std::vector<NamedSound>(SynthesiseSounds()); }
  static void TearDownTestSuite() { delete sounds_; }
  static const std::vector<NamedSound>& Sounds() { return *sounds_; }
  static double Seconds(const NamedSound& s) {
    return static_cast<double>(s.samples.Frames()) / kSampleRate;
  }

 private:
  static inline std::vector<NamedSound>* sounds_ = nullptr;
};

TEST_F(GameSounds, AreTheTenFilesInLoadOrder) {
  const std::vector<std::string> expected = {
      "CARD_FLIP.WAV", "CARD_FLIP2.WAV", "CARD_FLIP3.WAV", "SIGN1.WAV",    "SIGN2.WAV",
      "SIGN3.WAV",     "SHUFFLE.WAV",    "INTRO.WAV",      "WIN_GAME.WAV", "LOSE_GAME.WAV"};
  std::vector<std::string> names;
  for (const NamedSound& s : Sounds()) names.push_back(s.fileName);
  EXPECT_EQ(names, expected);
}

TEST_F(GameSounds, HeadersCarryTheGameWaveFormat) {
  for (const NamedSound& s : Sounds()) {
    SCOPED_TRACE(s.fileName);
    const std::vector<std::uint8_t> wav = EncodeWav(s.samples);
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(Tag(wav, 0), "RIFF");
    EXPECT_EQ(Le(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(Tag(wav, 8), "WAVE");
    EXPECT_EQ(Tag(wav, 12), "fmt ");
    EXPECT_EQ(Le(wav, 16, 4), 16u);
    EXPECT_EQ(Le(wav, 20, 2), 1u);      // PCM
    EXPECT_EQ(Le(wav, 22, 2), 2u);      // channels
    EXPECT_EQ(Le(wav, 24, 4), 22050u);  // samples per second
    EXPECT_EQ(Le(wav, 28, 4), 88200u);  // bytes per second
    EXPECT_EQ(Le(wav, 32, 2), 4u);      // block alignment
    EXPECT_EQ(Le(wav, 34, 2), 16u);     // bits per sample
    EXPECT_EQ(Tag(wav, 36), "data");
    EXPECT_EQ(Le(wav, 40, 4), wav.size() - 44);
    EXPECT_EQ((wav.size() - 44) % 4, 0u);
  }
}

TEST_F(GameSounds, StartAndEndOnSilenceWithPeaksBelowFullScale) {
  const int ceiling = static_cast<int>(32767 * std::pow(10.0, -3.0 / 20.0));  // -3 dBFS
  const int floor = static_cast<int>(32767 * std::pow(10.0, -12.0 / 20.0));   // clearly audible
  for (const NamedSound& s : Sounds()) {
    SCOPED_TRACE(s.fileName);
    const std::vector<std::int16_t> pcm = Pcm(EncodeWav(s.samples));
    ASSERT_GE(pcm.size(), 4u);
    EXPECT_EQ(pcm[0], 0);
    EXPECT_EQ(pcm[1], 0);
    EXPECT_EQ(pcm[pcm.size() - 2], 0);
    EXPECT_EQ(pcm[pcm.size() - 1], 0);
    int peak = 0;
    for (std::int16_t v : pcm) peak = std::max(peak, std::abs(static_cast<int>(v)));
    EXPECT_LE(peak, ceiling);
    EXPECT_GE(peak, floor);
  }
}

TEST_F(GameSounds, LengthsSuitTheirUse) {
  struct Range {
    double min, max;
  };
  const Range flip{0.08, 0.15}, signal{0.2, 0.4}, shuffle{0.8, 1.2}, jingle{1.2, 2.0};
  const Range ranges[] = {flip,   flip,    flip,   signal, signal,
                          signal, shuffle, jingle, jingle, jingle};
  ASSERT_EQ(Sounds().size(), std::size(ranges));
  for (std::size_t i = 0; i < Sounds().size(); ++i) {
    SCOPED_TRACE(Sounds()[i].fileName);
    EXPECT_GE(Seconds(Sounds()[i]), ranges[i].min);
    EXPECT_LE(Seconds(Sounds()[i]), ranges[i].max);
  }
}

TEST_F(GameSounds, VariantsOfOneKindSoundDifferent) {
  // The game picks one of three flips or signals at random: three copies of
  // one sound would make the choice pointless.
  for (std::size_t group : {0u, 3u}) {
    for (std::size_t a = group; a < group + 3; ++a) {
      for (std::size_t b = a + 1; b < group + 3; ++b) {
        EXPECT_NE(Sounds()[a].samples.interleaved, Sounds()[b].samples.interleaved)
            << Sounds()[a].fileName << " and " << Sounds()[b].fileName;
      }
    }
  }
}

TEST_F(GameSounds, AreTheSameOnEveryRun) {
  const std::vector<NamedSound> again = SynthesiseSounds();
  ASSERT_EQ(again.size(), Sounds().size());
  for (std::size_t i = 0; i < again.size(); ++i) {
    EXPECT_EQ(EncodeWav(again[i].samples), EncodeWav(Sounds()[i].samples)) << again[i].fileName;
  }
}

TEST(EncodeWav, ClampsOutOfRangeSamplesInsteadOfWrappingAround) {
  StereoSamples loud;
  loud.interleaved = {1.5f, -1.5f, 1.0f, -1.0f};
  const std::vector<std::int16_t> pcm = Pcm(EncodeWav(loud));
  EXPECT_EQ(pcm, (std::vector<std::int16_t>{32767, -32767, 32767, -32767}));
}

TEST(EncodeWav, EmptySoundIsAHeaderWithNoData) {
  const std::vector<std::uint8_t> wav = EncodeWav(StereoSamples{});
  ASSERT_EQ(wav.size(), 44u);
  EXPECT_EQ(Le(wav, 40, 4), 0u);
  EXPECT_EQ(Le(wav, 4, 4), 36u);
}

}  // namespace
}  // namespace verlano::mkres
