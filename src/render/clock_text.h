#pragma once
// The table's clock: the time of day on the 12-hour clock as "hh:mmAM" or
// "hh:mmPM", the designators of the C locale the game runs in. No blank
// before them: the whole clock fits between the score page and its binding.

#include <string>

#include "platform/platform.h"

namespace verlano {

std::string ClockText(const TimeOfDay& now);

}  // namespace verlano
