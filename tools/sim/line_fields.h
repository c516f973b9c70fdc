#pragma once
// Reading one position line of `verlano-sim`: `key=value` fields separated by
// single spaces, in any order, each at most once. Values are variants, lists
// of card codes ("AC,7D"), `value:count` lists and counts. Any fault throws a
// `LineError` whose text is the reason printed after "error: ".

#include <array>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "rules/cards.h"
#include "rules/settings.h"

namespace verlano::sim {

struct LineError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class LineFields {
 public:
  // Splits the line; only the `known` keys are accepted.
  LineFields(std::string_view line, std::span<const std::string_view> known);

  // The value of a field that must be there.
  std::string_view Required(std::string_view key) const;

  // The value of a field that may be left out (then empty).
  std::string_view Optional(std::string_view key) const;

  // Whether the line gives the field at all, even with an empty value.
  bool Has(std::string_view key) const;

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

// "nine", "romane", "romane-extra", "napoletane" or "umbria".
Options ParseVariant(std::string_view text);

// Reads card lists while making sure no card appears twice across them.
class CardLists {
 public:
  explicit CardLists(const CardTables& cards) : cards_(cards) {}

  // Comma-separated card codes; an empty text is an empty list.
  std::vector<int> Parse(std::string_view field, std::string_view text, int capacity);

 private:
  const CardTables& cards_;
  std::array<bool, kCardIndexCount> seen_{};
};

// Comma-separated `value:count` entries, value 1..10 at most once, count 0..4.
std::array<int, 15> ParsePlayed(std::string_view text);

// A whole number from 0 to `highest`.
int ParseCount(std::string_view field, std::string_view text, int highest);

}  // namespace verlano::sim
