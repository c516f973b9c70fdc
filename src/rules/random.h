#pragma once
// The one random generator of a game. The game seeds it from the clock; tests
// and tools seed it with a fixed number so that a whole match repeats exactly.
// It counts its draws, so a saved match keeps its state as two numbers.

#include <cstdint>
#include <random>

namespace verlano {

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed), seed_(seed) {}

  // The generator `seed` gives after `draws` draws.
  static Random Resumed(std::uint64_t seed, std::uint64_t draws);

  // Uniform in [0, 1); every draw of the game goes through here.
  double Rnd();

  // Int(Rnd * k): a whole number 0..k-1.
  int Below(int k) { return static_cast<int>(Rnd() * k); }

  std::uint64_t Seed() const { return seed_; }
  std::uint64_t Draws() const { return draws_; }

 private:
  std::mt19937_64 engine_;  // fully specified by the standard: the same sequence everywhere
  std::uint64_t seed_;
  std::uint64_t draws_ = 0;
};

}  // namespace verlano
