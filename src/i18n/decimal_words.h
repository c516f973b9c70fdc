#pragma once
// A number with decimals as the player's language writes it: "0.85" in
// English, "0,85" in Italian. The game keeps the C locale's numbers (printf
// always writes a point), so the catalogue says the separator; a program
// without one (the tools, the tests) keeps the point.

#include <cstdio>
#include <string>

#include "i18n/translate.h"

namespace verlano {

// `value` to `decimals` places with the language's decimal separator.
inline std::string DecimalWords(double value, int decimals) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string words = text;
  // TRANSLATORS: the decimal separator, as in "0.85"
  const std::string separator = P_("number", ".");
  const std::size_t dot = words.find('.');
  if (dot != std::string::npos) words.replace(dot, 1, separator);
  return words;
}

}  // namespace verlano
