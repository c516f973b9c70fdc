#pragma once
// The two ends of a record line's fields: `FieldWriter` puts a struct's
// members into a line and `FieldReader` takes them back, checking each value's
// form and range. A struct lists its members once, in a `Visit` function that
// both ends walk, so what is written and what is read can never drift apart.

#include <array>
#include <charconv>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "memory/records.h"
#include "rules/cards.h"
#include "rules/play_state.h"

namespace verlano {

// A card index as its short code ("7D"), or "-" for none (-1), which only a
// list may hold: a sprite always shows a card.
std::string CardWord(const CardTables& cards, int card);

// A play state as one word: its name with '_' for each space ("NORMAL_PLAY").
std::string StateWord(PlayState state);

class FieldWriter {
 public:
  // With `defaults`, a value written as the default's is left out of the line.
  explicit FieldWriter(const CardTables& cards, const RecordFields* defaults = nullptr)
      : cards_(cards), defaults_(defaults) {}

  // The fields written so far, for `RecordWriter::Line`; empty when all were defaults.
  const std::string& Text() const { return text_; }

  void Int(const char* key, int value, int, int) { Put(key, std::to_string(value)); }
  void IntIfPresent(const char* key, int value, int low, int high) { Int(key, value, low, high); }
  template <typename U>
  requires std::is_unsigned_v<U>
  void Unsigned(const char* key, U value) { Put(key, std::to_string(value)); }
  void Real(const char* key, float value);
  void Flag(const char* key, bool value) { Put(key, value ? "1" : "0"); }
  void FlagIfPresent(const char* key, bool value) { Flag(key, value); }
  void Card(const char* key, int card) { Put(key, CardWord(cards_, card)); }
  void CardOrNone(const char* key, int card) { Put(key, CardWord(cards_, card)); }
  void State(const char* key, PlayState state) { Put(key, StateWord(state)); }
  template <typename T, std::size_t N>
  void Choice(const char* key, T value,
              const std::array<std::pair<std::string_view, T>, N>& names) {
    for (const auto& [name, v] : names) {
      if (v == value) return Put(key, std::string(name));
    }
  }
  template <std::size_t N>
  void Ints(const char* key, const std::array<int, N>& values, int count, int, int) {
    std::string list;
    for (int i = 0; i < count; ++i) {
      if (i > 0) list += ',';
      list += std::to_string(values[i]);
    }
    Put(key, list);
  }
  template <std::size_t N>
  void Cards(const char* key, const std::array<int, N>& values, int count) {
    std::string list;
    // Never past the array: a count beyond it leaves a list its reader refuses.
    for (int i = 0; i < count && i < static_cast<int>(N); ++i) {
      if (i > 0) list += ',';
      list += CardWord(cards_, values[i]);
    }
    Put(key, list);
  }

 private:
  void Put(const char* key, const std::string& value);

  const CardTables& cards_;
  const RecordFields* defaults_;
  std::string text_;
};

class FieldReader {
 public:
  // `line` names the record in messages. Without `required`, a key left out
  // keeps the member's value as it was.
  FieldReader(const RecordFields& fields, std::string line, const CardTables& cards, bool required)
      : fields_(fields), line_(std::move(line)), cards_(cards), required_(required) {}

  void Int(const char* key, int& value, int low, int high);
  // The same for a key that older files lack: left out, the value stays.
  void IntIfPresent(const char* key, int& value, int low, int high);
  template <typename U>
  requires std::is_unsigned_v<U>
  void Unsigned(const char* key, U& value) {
    if (const std::string* text = Take(key)) {
      if (!Parse(*text, value)) Refuse(key, *text, "a whole number");
    }
  }
  void Real(const char* key, float& value);
  void Flag(const char* key, bool& value);
  void FlagIfPresent(const char* key, bool& value);
  void Card(const char* key, int& card);
  // A card, or "-" for none (-1).
  void CardOrNone(const char* key, int& card);
  void State(const char* key, PlayState& state);
  template <typename T, std::size_t N>
  void Choice(const char* key, T& value,
              const std::array<std::pair<std::string_view, T>, N>& names) {
    const std::string* text = Take(key);
    if (text == nullptr) return;
    std::string all;
    for (const auto& [name, v] : names) {
      if (name == *text) {
        value = v;
        return;
      }
      all += (all.empty() ? "" : ", ") + std::string(name);
    }
    Refuse(key, *text, all);
  }
  template <std::size_t N>
  void Ints(const char* key, std::array<int, N>& values, int count, int low, int high) {
    List(key, count, N, [&](std::size_t i, std::string_view word) {
      int v = 0;
      if (!Parse(word, v) || v < low || v > high) {
        Refuse(key, std::string(word),
               "whole numbers from " + std::to_string(low) + " to " + std::to_string(high));
      }
      values[i] = v;
    });
  }
  template <std::size_t N>
  void Cards(const char* key, std::array<int, N>& values, int count) {
    List(key, count, N,
         [&](std::size_t i, std::string_view word) { values[i] = CardOf(key, word, true); });
  }

  // A RecordError for a key no member took.
  void Done() const;

 private:
  template <typename T>
  static bool Parse(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
  }
  const std::string* Take(const char* key);
  int CardOf(const char* key, std::string_view word, bool noneAllowed);
  template <typename Each>
  void List(const char* key, int count, std::size_t capacity, Each each) {
    const std::string* text = Take(key);
    if (text == nullptr) return;
    std::string_view rest = *text;
    std::size_t n = 0;
    while (!rest.empty()) {
      const std::size_t comma = rest.find(',');
      if (n >= capacity) Refuse(key, *text, "at most " + std::to_string(capacity) + " entries");
      each(n++, rest.substr(0, comma));
      rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
    }
    if (n != static_cast<std::size_t>(count)) {
      throw RecordError("its '" + line_ + "' line lists " + std::to_string(n) + " " + key +
                        " where it counts " + std::to_string(count));
    }
  }
  [[noreturn]] void Refuse(const char* key, const std::string& text, const std::string& want);

  const RecordFields& fields_;
  std::string line_;
  const CardTables& cards_;
  bool required_;
  std::set<std::string, std::less<>> taken_;
};

}  // namespace verlano
