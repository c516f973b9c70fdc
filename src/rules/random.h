#pragma once
// The one random generator of a game. The game seeds it from the clock; tests
// and tools seed it with a fixed number so that a whole match repeats exactly.

#include <cstdint>
#include <random>

namespace verlano {

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}

  // Uniform in [0, 1); every draw of the game goes through here.
  double Rnd();

  // Int(Rnd * k): a whole number 0..k-1.
  int Below(int k) { return static_cast<int>(Rnd() * k); }

 private:
  std::mt19937_64 engine_;  // fully specified by the standard: the same sequence everywhere
};

}  // namespace verlano
