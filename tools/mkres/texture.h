#pragma once
// Surface textures for the table's felt and the score sheet's paper: smooth
// seeded value noise and a pass that lightens or darkens drawn pixels, so that
// large plain areas look like material rather than flat colour, and every build
// draws the same grain.

#include <cstdint>
#include <functional>
#include <vector>

#include "picture.h"

namespace verlano::mkres {

// Noise in [-1, 1] interpolated between random values on a lattice of `cell`
// pixels: larger cells give softer, cloudier variation.
class ValueNoise {
 public:
  ValueNoise(int width, int height, int cell, std::uint64_t seed);
  double At(int x, int y) const;

 private:
  double Lattice(int i, int j) const { return values_[j * columns_ + i]; }
  int cell_;
  int columns_;
  std::vector<double> values_;
};

// Adds `shade(x, y)` (in 8-bit colour steps) to every channel of each pixel
// with some coverage, keeping its alpha.
void ShadePixels(const Surface& surface, const std::function<double(int, int)>& shade);

}  // namespace verlano::mkres
