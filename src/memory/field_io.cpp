#include "memory/field_io.h"

#include <cmath>

#include "memory/shown_text.h"

namespace verlano {

namespace {

// Far beyond any place on the 800x600 table, yet small enough for any sum.
constexpr float kFarthest = 100000.0f;

}  // namespace

std::string CardWord(const CardTables& cards, int card) {
  if (card < 0 || card >= kCardIndexCount) return "-";
  return CardCode(cards, card);
}

std::string StateWord(PlayState state) {
  std::string word = StateName(state);
  for (char& c : word) {
    if (c == ' ') c = '_';
  }
  return word;
}

void FieldWriter::Real(const char* key, float value) {
  // The shortest text that reads back as the same float, bit for bit.
  char text[32];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  Put(key, std::string(text, ec == std::errc() ? end : text));
}

void FieldWriter::Put(const char* key, const std::string& value) {
  if (defaults_ != nullptr) {
    const auto it = defaults_->find(key);
    if (it != defaults_->end() && it->second == value) return;
  }
  // A value holds no space, '=' or line break: the writers' values never do.
  text_ += ' ';
  text_ += key;
  text_ += '=';
  text_ += value;
}

const std::string* FieldReader::Take(const char* key) {
  const auto it = fields_.find(key);
  if (it == fields_.end()) {
    if (required_) throw RecordError("its '" + line_ + "' line lacks " + key);
    return nullptr;
  }
  taken_.insert(it->first);
  return &it->second;
}

void FieldReader::Refuse(const char* key, const std::string& text, const std::string& want) {
  throw RecordError("its '" + Shown(line_, 30) + "' line has " + key + "=" + Shown(text, 30) +
                    " (" + want + ")");
}

void FieldReader::Int(const char* key, int& value, int low, int high) {
  const std::string* text = Take(key);
  if (text == nullptr) return;
  int v = 0;
  if (!Parse(*text, v) || v < low || v > high) {
    Refuse(key, *text, "from " + std::to_string(low) + " to " + std::to_string(high));
  }
  value = v;
}

void FieldReader::IntIfPresent(const char* key, int& value, int low, int high) {
  if (fields_.contains(key)) Int(key, value, low, high);
}

void FieldReader::FlagIfPresent(const char* key, bool& value) {
  if (fields_.contains(key)) Flag(key, value);
}

void FieldReader::Real(const char* key, float& value) {
  const std::string* text = Take(key);
  if (text == nullptr) return;
  float v = 0;
  if (!Parse(*text, v) || !std::isfinite(v) || std::fabs(v) > kFarthest) {
    Refuse(key, *text, "a number within the table's reach");
  }
  value = v;
}

void FieldReader::Flag(const char* key, bool& value) {
  const std::string* text = Take(key);
  if (text == nullptr) return;
  if (*text != "0" && *text != "1") Refuse(key, *text, "0 or 1");
  value = *text == "1";
}

int FieldReader::CardOf(const char* key, std::string_view word, bool noneAllowed) {
  if (word == "-" && noneAllowed) return -1;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (CardCode(cards_, card) == word) return card;
  }
  Refuse(key, std::string(word), noneAllowed ? "a card such as 7D, or -" : "a card such as 7D");
}

void FieldReader::Card(const char* key, int& card) {
  if (const std::string* text = Take(key)) card = CardOf(key, *text, false);
}

void FieldReader::CardOrNone(const char* key, int& card) {
  if (const std::string* text = Take(key)) card = CardOf(key, *text, true);
}

void FieldReader::State(const char* key, PlayState& state) {
  const std::string* text = Take(key);
  if (text == nullptr) return;
  for (int i = 0; i <= static_cast<int>(PlayState::HandOver); ++i) {
    if (StateWord(static_cast<PlayState>(i)) == *text) {
      state = static_cast<PlayState>(i);
      return;
    }
  }
  Refuse(key, *text, "one of the 18 play states, as NORMAL_PLAY");
}

void FieldReader::Done() const {
  for (const auto& [key, value] : fields_) {
    if (!taken_.contains(key)) {
      throw RecordError("its '" + Shown(line_, 30) + "' line has an unknown key '" +
                        Shown(key, 30) + "'");
    }
  }
}

}  // namespace verlano
