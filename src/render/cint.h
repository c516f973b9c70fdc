#pragma once
// Sprite and text positions are floats; the pictures land on whole pixels,
// rounded to nearest with ties to even, so a card halfway between two pixels
// settles the same way every frame.

#include <cmath>

namespace verlano {

inline int CInt(float value) {
  return static_cast<int>(std::lrint(value));
}

}  // namespace verlano
