#pragma once
// Rectangles as the drawing tests speak of them: printed in a failure's
// message, and one held inside another.

#include <string>

#include "platform/surface.h"

namespace verlano::test {

inline std::string Where(const Rect& r) {
  return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" +
         std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";
}

inline bool Inside(const Rect& inner, const Rect& outer) {
  return outer.Left <= inner.Left && inner.Right <= outer.Right && outer.Top <= inner.Top &&
         inner.Bottom <= outer.Bottom;
}

}  // namespace verlano::test
