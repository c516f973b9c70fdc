#pragma once
// The table's clock: the time of day on the 12-hour clock as "hh:mm AM" or
// "hh:mm PM", the designators of the C locale the game runs in.

#include <string>

#include "platform/platform.h"

namespace verlano {

std::string ClockText(const TimeOfDay& now);

}  // namespace verlano
