#pragma once
// Edits of a match file's text for the tests that damage one, and the
// refusal a fresh game gives when it loads the result.

#include <regex>
#include <string>

#include "memory/match_file.h"
#include "memory/records.h"

namespace verlano::test {

// The text with `key`'s value on the line `name` set to `value`.
inline std::string WithField(const std::string& text, const std::string& name,
                             const std::string& key, const std::string& value) {
  const std::regex field("(\n" + name + " (?:[^\n]* )?" + key + "=)[^ \n]*");
  // "$01", not "$1": a value beginning with a digit would make it another group.
  return std::regex_replace(text, field, "$01" + value, std::regex_constants::format_first_only);
}

// The text with `field` put first on the line `name`.
inline std::string Inserted(const std::string& text, const std::string& name,
                            const std::string& field) {
  std::string out = text;
  const std::size_t at = out.find("\n" + name + " ");
  return at == std::string::npos ? out : out.insert(at + name.size() + 2, field + " ");
}

inline std::string FieldOf(const std::string& text, const std::string& name,
                           const std::string& key) {
  std::smatch m;
  const std::regex field("\n" + name + " (?:[^\n]* )?" + key + "=([^ \n]*)");
  return std::regex_search(text, m, field) ? m[1].str() : "";
}

// The text without its line `name`.
inline std::string WithoutLine(const std::string& text, const std::string& name) {
  const std::size_t at = text.find("\n" + name + " ");
  if (at == std::string::npos) return text;
  return text.substr(0, at) + text.substr(text.find('\n', at + 1));
}

// Why a fresh game refuses the text, or "" when it loads it.
inline std::string Refusal(const std::string& text) {
  try {
    Game fresh(MatchOptions(text), 0);
    ReadMatch(text, fresh);
  } catch (const RecordError& e) {
    return e.what();
  }
  return "";
}

}  // namespace verlano::test
