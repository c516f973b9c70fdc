#include "rules/random.h"

namespace verlano {

Random Random::Resumed(std::uint64_t seed, std::uint64_t draws) {
  Random r(seed);
  r.engine_.discard(draws);
  r.draws_ = draws;
  return r;
}

double Random::Rnd() {
  ++draws_;
  // The top 53 bits make an exact double in [0, 1).
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace verlano
