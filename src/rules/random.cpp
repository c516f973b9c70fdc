#include "rules/random.h"

namespace verlano {

double Random::Rnd() {
  // The top 53 bits make an exact double in [0, 1).
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace verlano
