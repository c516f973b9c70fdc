#include "sim/line_fields.h"

#include <algorithm>
#include <charconv>

namespace verlano::sim {

namespace {

// Splits on every separator; empty pieces stay, so that faults show.
std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    pieces.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return pieces;
    start = end + 1;
  }
}

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

bool ParseWhole(std::string_view text, int& number) {
  const char* last = text.data() + text.size();
  const auto [end, fault] = std::from_chars(text.data(), last, number);
  return !text.empty() && fault == std::errc{} && end == last;
}

}  // namespace

LineFields::LineFields(std::string_view line, std::span<const std::string_view> known) {
  for (std::string_view field : Split(line, ' ')) {
    const std::size_t equals = field.find('=');
    if (field.empty()) throw LineError("empty field (fields are separated by single spaces)");
    if (equals == std::string_view::npos) throw LineError("bad field " + Quoted(field));
    const std::string_view key = field.substr(0, equals);
    if (std::ranges::find(known, key) == known.end()) {
      throw LineError("unknown field " + Quoted(key));
    }
    if (!values_.emplace(key, field.substr(equals + 1)).second) {
      throw LineError("field " + Quoted(key) + " given twice");
    }
  }
}

std::string_view LineFields::Required(std::string_view key) const {
  const auto found = values_.find(key);
  if (found == values_.end()) throw LineError("missing field " + Quoted(key));
  return found->second;
}

std::string_view LineFields::Optional(std::string_view key) const {
  const auto found = values_.find(key);
  return found == values_.end() ? std::string_view{} : std::string_view(found->second);
}

bool LineFields::Has(std::string_view key) const {
  return values_.contains(key);
}

Options ParseVariant(std::string_view text) {
  if (text == "nine") return Options{.variant = Variant::Nine};
  if (text == "romane") return Options{.variant = Variant::Romane};
  if (text == "romane-extra") return Options{.variant = Variant::Romane, .extraCoinPoints = true};
  if (text == "napoletane") return Options{.variant = Variant::Napoletane};
  if (text == "umbria") return Options{.variant = Variant::UmbriaMarche};
  throw LineError("unknown variant " + Quoted(text));
}

std::vector<int> CardLists::Parse(std::string_view field, std::string_view text, int capacity) {
  std::vector<int> list;
  if (text.empty()) return list;
  for (std::string_view code : Split(text, ',')) {
    const int card = CardFromCode(cards_, code);
    if (card < 0) throw LineError("unknown card " + Quoted(code) + " in " + std::string(field));
    if (seen_[card]) throw LineError("card " + Quoted(code) + " given twice");
    seen_[card] = true;
    list.push_back(card);
  }
  if (std::ssize(list) > capacity) {
    throw LineError(std::string(field) + " has " + std::to_string(list.size()) +
                    " cards (at most " + std::to_string(capacity) + ")");
  }
  return list;
}

std::array<int, 15> ParsePlayed(std::string_view text) {
  std::array<int, 15> played{};
  std::array<bool, 15> given{};
  if (text.empty()) return played;
  for (std::string_view entry : Split(text, ',')) {
    const std::size_t colon = entry.find(':');
    int value = 0;
    int count = 0;
    const bool ok = colon != std::string_view::npos && ParseWhole(entry.substr(0, colon), value) &&
                    ParseWhole(entry.substr(colon + 1), count) && value >= 1 && value <= 10 &&
                    count >= 0 && count <= 4;
    if (!ok) {
      throw LineError("bad played entry " + Quoted(entry) +
                      " (value:count, value 1..10, count 0..4)");
    }
    if (given[value]) throw LineError("played value " + std::to_string(value) + " given twice");
    given[value] = true;
    played[value] = count;
  }
  return played;
}

int ParseCount(std::string_view field, std::string_view text, int highest) {
  int number = 0;
  if (!ParseWhole(text, number) || number < 0 || number > highest) {
    throw LineError("bad " + std::string(field) + " " + Quoted(text) + " (0.." +
                    std::to_string(highest) + ")");
  }
  return number;
}

}  // namespace verlano::sim
