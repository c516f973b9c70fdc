#include "render/clock_text.h"

#include <cstdio>

namespace verlano {

std::string ClockText(const TimeOfDay& now) {
  // Hours outside 0..23 or minutes outside 0..59 still give two digits each.
  const int hour24 = ((now.Hour % 24) + 24) % 24;
  const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
  const int minute = ((now.Minute % 60) + 60) % 60;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d%s", hour12, minute, hour24 < 12 ? "AM" : "PM");
  return text;
}

}  // namespace verlano
