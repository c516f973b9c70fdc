#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "resources/little_endian.h"
#include "rules/random.h"

namespace verlano::mkres {

namespace {

constexpr float kPeak = 0.63f;            // about -4 dBFS: loud enough, never clipping
constexpr double kFadeInSeconds = 0.004;  // ramps short enough to keep the attack crisp
constexpr double kFadeOutSeconds = 0.015;

int FrameAt(double seconds) {
  return static_cast<int>(std::lround(seconds * kSampleRate));
}

StereoSamples Silence(double seconds) {
  StereoSamples s;
  s.interleaved.assign(static_cast<std::size_t>(FrameAt(seconds)) * kChannels, 0.0f);
  return s;
}

// Adds one frame; pan -1 is hard left, +1 hard right.
void Mix(StereoSamples& s, int frame, double value, double pan) {
  if (frame < 0 || static_cast<std::size_t>(frame) >= s.Frames()) return;
  const std::size_t i = static_cast<std::size_t>(frame) * kChannels;
  s.interleaved[i] += static_cast<float>(value * std::min(1.0, 1.0 - pan));
  s.interleaved[i + 1] += static_cast<float>(value * std::min(1.0, 1.0 + pan));
}

// RBJ band-pass biquad: shapes white noise into the rustle of card stock.
class BandPass {
 public:
  BandPass(double centreHz, double q) {
    const double w = 2.0 * std::numbers::pi * centreHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2.0 * std::cos(w) / a0;
    a2_ = (1.0 - alpha) / a0;
  }
  double Step(double x) {
    const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double b0_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

struct Burst {
  double start, seconds, centreHz, q, attack, decay, gain, pan;
};

// A noise burst: linear attack, exponential decay, cut off at `seconds`.
void AddBurst(StereoSamples& s, const Burst& b, Random& noise) {
  BandPass filter(b.centreHz, b.q);
  const int first = FrameAt(b.start);
  const int count = FrameAt(b.seconds);
  for (int n = 0; n < count; ++n) {
    const double t = static_cast<double>(n) / kSampleRate;
    const double env = std::min(1.0, t / b.attack) * std::exp(-t / b.decay);
    Mix(s, first + n, b.gain * env * filter.Step(2.0 * noise.Rnd() - 1.0), b.pan);
  }
}

struct Note {
  double start, seconds, hz, gain;
};

// Relative frequencies and levels of a voice's partials, and how fast it dies.
struct Timbre {
  std::vector<std::pair<double, double>> partials;
  double decay;
};

const Timbre kBell{{{1.0, 1.0}, {2.0, 0.35}, {2.76, 0.25}, {5.4, 0.08}}, 0.11};
const Timbre kGlass{{{1.0, 1.0}, {3.0, 0.15}, {4.2, 0.1}}, 0.08};
const Timbre kPluck{{{1.0, 1.0}, {2.0, 0.3}, {3.0, 0.12}}, 0.35};
const Timbre kSoft{{{1.0, 1.0}, {2.0, 0.12}}, 0.6};

// A struck note: 5 ms attack, exponential decay, 10 ms release at its end.
void AddNote(StereoSamples& s, const Note& note, const Timbre& timbre, double pan) {
  const int first = FrameAt(note.start);
  const int count = FrameAt(note.seconds);
  const double release = 0.010;
  for (int n = 0; n < count; ++n) {
    const double t = static_cast<double>(n) / kSampleRate;
    const double env = std::min(1.0, t / 0.005) * std::exp(-t / timbre.decay) *
                       std::min(1.0, (note.seconds - t) / release);
    double v = 0.0;
    for (const auto& [ratio, level] : timbre.partials) {
      v += level * std::sin(2.0 * std::numbers::pi * note.hz * ratio * t);
    }
    Mix(s, first + n, note.gain * env * v, pan);
  }
}

void AddMelody(StereoSamples& s, const std::vector<Note>& notes, const Timbre& timbre) {
  // A gentle left-to-right spread across the melody keeps it from sounding flat.
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const double pan = notes.size() < 2 ? 0.0 : -0.2 + 0.4 * i / (notes.size() - 1);
    AddNote(s, notes[i], timbre, pan);
  }
}

// Levels the peak to kPeak, then ramps both ends so playback starts and stops
// on silence without a click.
StereoSamples Finish(StereoSamples s) {
  float peak = 0.0f;
  for (float v : s.interleaved) peak = std::max(peak, std::fabs(v));
  const float scale = peak > 0.0f ? kPeak / peak : 0.0f;
  const std::size_t frames = s.Frames();
  const std::size_t fadeIn = static_cast<std::size_t>(FrameAt(kFadeInSeconds));
  const std::size_t fadeOut = static_cast<std::size_t>(FrameAt(kFadeOutSeconds));
  for (std::size_t f = 0; f < frames; ++f) {
    double ramp = 1.0;
    if (f < fadeIn) ramp = static_cast<double>(f) / fadeIn;
    const std::size_t fromEnd = frames - 1 - f;
    if (fromEnd < fadeOut) ramp = std::min(ramp, static_cast<double>(fromEnd) / fadeOut);
    for (int c = 0; c < kChannels; ++c) {
      float& v = s.interleaved[f * kChannels + c];
      v = static_cast<float>(v * scale * ramp);
    }
  }
  return s;
}

StereoSamples CardFlip(double centreHz, double seconds, double decay, std::uint64_t seed) {
  Random noise(seed);
  StereoSamples s = Silence(seconds);
  // The snap of the card's edge, then the softer rustle of its face.
  AddBurst(s, {0.0, seconds, centreHz, 1.2, 0.002, decay, 1.0, -0.1}, noise);
  AddBurst(s, {0.006, seconds - 0.006, centreHz * 0.45, 0.8, 0.004, decay * 1.6, 0.6, 0.1}, noise);
  return Finish(std::move(s));
}

StereoSamples Shuffle() {
  Random noise(77);
  StereoSamples s = Silence(1.0);
  // A riffle: clicks that speed up as the two halves interleave, alternating
  // sides, then the soft swish of the cards squared together.
  double t = 0.03;
  for (int k = 0; t < 0.78; ++k) {
    const double pan = (k % 2 == 0) ? -0.35 : 0.35;
    const double centre = 2400.0 + 1200.0 * noise.Rnd();
    const double gain = 0.5 + 0.5 * noise.Rnd();
    AddBurst(s, {t, 0.012, centre, 2.0, 0.0008, 0.003, gain, pan}, noise);
    t += 0.024 - 0.010 * (t / 0.78) + 0.004 * noise.Rnd();
  }
  AddBurst(s, {0.80, 0.19, 700.0, 0.7, 0.02, 0.05, 0.9, 0.0}, noise);
  return Finish(std::move(s));
}

StereoSamples Chime(const std::vector<Note>& notes, const Timbre& timbre, double seconds) {
  StereoSamples s = Silence(seconds);
  AddMelody(s, notes, timbre);
  return Finish(std::move(s));
}

// Equal-tempered pitch of a MIDI note number.
double Hz(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

}  // namespace

std::vector<NamedSound> SynthesiseSounds() {
  const double intro = 1.5;
  std::vector<NamedSound> sounds;
  sounds.push_back({"CARD_FLIP.WAV", CardFlip(2200.0, 0.09, 0.018, 11)});
  sounds.push_back({"CARD_FLIP2.WAV", CardFlip(3000.0, 0.11, 0.024, 12)});
  sounds.push_back({"CARD_FLIP3.WAV", CardFlip(1500.0, 0.14, 0.035, 13)});
  sounds.push_back({"SIGN1.WAV", Chime({{0.0, 0.3, Hz(88), 1.0}}, kBell, 0.3)});
  sounds.push_back(
      {"SIGN2.WAV", Chime({{0.0, 0.12, Hz(84), 0.8}, {0.09, 0.26, Hz(91), 1.0}}, kBell, 0.35)});
  sounds.push_back(
      {"SIGN3.WAV", Chime({{0.0, 0.25, Hz(93), 1.0}, {0.0, 0.25, Hz(100), 0.6}}, kGlass, 0.25)});
  sounds.push_back({"SHUFFLE.WAV", Shuffle()});
  sounds.push_back({"INTRO.WAV", Chime({{0.0, 0.2, Hz(72), 0.8},
                                        {0.15, 0.2, Hz(76), 0.8},
                                        {0.3, 0.2, Hz(79), 0.8},
                                        {0.45, 0.2, Hz(77), 0.8},
                                        {0.6, 0.2, Hz(76), 0.8},
                                        {0.75, 0.2, Hz(74), 0.8},
                                        {0.9, 0.6, Hz(72), 1.0}},
                                       kPluck, intro)});
  // Won: a rising C major arpeggio ringing into its chord.
  sounds.push_back({"WIN_GAME.WAV", Chime({{0.0, 1.6, Hz(72), 0.7},
                                           {0.12, 1.48, Hz(76), 0.7},
                                           {0.24, 1.36, Hz(79), 0.7},
                                           {0.36, 1.24, Hz(84), 0.9}},
                                          kPluck, 1.6)});
  // Lost: a falling C minor line settling low and soft.
  sounds.push_back({"LOSE_GAME.WAV", Chime({{0.0, 0.4, Hz(67), 0.8},
                                            {0.3, 0.4, Hz(63), 0.8},
                                            {0.6, 1.0, Hz(60), 0.9},
                                            {0.6, 1.0, Hz(55), 0.5}},
                                           kSoft, 1.6)});
  return sounds;
}

std::vector<std::uint8_t> EncodeWav(const StereoSamples& samples) {
  const std::uint32_t blockAlign = kChannels * 2;
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.interleaved.size() * 2);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  auto tag = [&out](const char* fourCc) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(fourCc[i]));
  };
  tag("RIFF");
  AppendLe(out, 36 + dataBytes, 4);
  tag("WAVE");
  tag("fmt ");
  AppendLe(out, 16, 4);
  AppendLe(out, 1, 2);  // PCM
  AppendLe(out, kChannels, 2);
  AppendLe(out, kSampleRate, 4);
  AppendLe(out, kSampleRate * blockAlign, 4);
  AppendLe(out, blockAlign, 2);
  AppendLe(out, 16, 2);
  tag("data");
  AppendLe(out, dataBytes, 4);
  for (float v : samples.interleaved) {
    const long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
    AppendLe(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(q)) & 0xFFFF, 2);
  }
  return out;
}

}  // namespace verlano::mkres
