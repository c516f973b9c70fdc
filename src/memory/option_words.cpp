#include "memory/option_words.h"

namespace verlano {

std::string_view VariantWord(Variant variant) {
  for (const auto& [word, v] : kVariantWords) {
    if (v == variant) return word;
  }
  return kVariantWords[0].first;
}

}  // namespace verlano
