#include "card_pip_layout.h"

#include <array>

namespace verlano::mkres {

namespace {

constexpr PipSpot kOne[] = {{0, 0}};
constexpr PipSpot kTwo[] = {{0, -1}, {0, 1}};
constexpr PipSpot kThree[] = {{0, -1}, {0, 0}, {0, 1}};
constexpr PipSpot kFour[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr PipSpot kFive[] = {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
constexpr PipSpot kSix[] = {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
// Two, one, two, two: the rows spread evenly so the large coins never touch.
constexpr PipSpot kSeven[] = {{-1, -1},  {1, -1}, {0, -0.34}, {-1, 0.33},
                              {1, 0.33}, {-1, 1}, {1, 1}};

constexpr std::array<std::span<const PipSpot>, 7> kLayouts = {kOne,  kTwo, kThree, kFour,
                                                              kFive, kSix, kSeven};

}  // namespace

std::span<const PipSpot> PipSpots(int count) {
  if (count < 1 || count > static_cast<int>(kLayouts.size())) return {};
  return kLayouts[count - 1];
}

}  // namespace verlano::mkres
