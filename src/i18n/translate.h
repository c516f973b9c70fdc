#pragma once
// The game's words in the player's language, through GNU gettext: `_("text")`
// is the text in the catalogue chosen at start (startup/language.h), or the
// English as written when there is none; `N_` marks a text kept in a table,
// translated where it is shown. `P_("context", "text")` is for texts whose
// translation has a limit of its own: "table" for anything drawn with the
// table's bitmap fonts (only the characters the fonts have), "score page" for
// the score page's columns (no wider than the English either), "score page
// line" for its lines of their own (the result, the click hint, the target: no
// wider than its widest English line), "coach" for the review page's and the
// hint's words (the table's characters; each fits its column of the review
// page, drawn in the small font); `NP_` marks such a text.
// A program that chooses no catalogue (the tools, the tests) stays English.
// A translation that would make printf read other arguments than its English
// (a `%s` more, a `%n`) is passed over for the English.

#include <libintl.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "i18n/printf_arguments.h"

namespace verlano {

inline constexpr const char* kTextDomain = "verlano";

// `translated`, or `english` when the two read different printf arguments; a
// text without a '%' in either is no pattern and needs no look.
inline const char* SafeTranslation(const char* english, const char* translated) {
  if (translated == english) return english;
  if (std::strchr(english, '%') == nullptr && std::strchr(translated, '%') == nullptr) {
    return translated;
  }
  return SameConversions(english, translated) ? translated : english;
}

// format_arg lets the compiler check a printf pattern's translation like the pattern.
__attribute__((format_arg(1))) inline const char* _(const char* text) {
  return SafeTranslation(text, dgettext(kTextDomain, text));
}

inline std::string _(std::string_view text) {
  return _(std::string(text).c_str());
}

// gettext keeps a text with a context under "context\004text".
inline std::string P_(std::string_view context, std::string_view text) {
  const std::string key = std::string(context) + '\004' + std::string(text);
  const char* english = key.c_str() + context.size() + 1;
  const char* found = dgettext(kTextDomain, key.c_str());
  return found == key.c_str() ? english : SafeTranslation(english, found);
}

// A translated printf pattern filled in: Format(_("%s is missing"), path.c_str()).
// The translation may reorder the values ("%2$s ... %1$s").
__attribute__((format(printf, 1, 2))) inline std::string Format(const char* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, pattern, args);
  va_end(args);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  std::vsnprintf(text.data(), text.size() + 1, pattern, again);
  va_end(again);
  return text;
}

}  // namespace verlano

#define N_(text) text
#define NP_(context, text) text
