#pragma once
// The messages of a compiled gettext catalogue (the .mo the game reads), each
// with its context, its English and its translation, for the suites that check
// the translations against what the game can draw.

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "common/scratch_files.h"

namespace verlano::test {

struct CatalogueMessage {
  std::string context;  // empty for none
  std::string english;
  std::string translated;
};

inline std::uint32_t CatalogueWord(const std::string& bytes, std::size_t at) {
  std::uint32_t word = 0;
  if (at + 4 <= bytes.size()) std::memcpy(&word, bytes.data() + at, 4);
  return word;  // compiled on this machine, so in its byte order
}

inline std::string CatalogueString(const std::string& bytes, std::size_t table,
                                   std::uint32_t index) {
  const std::uint32_t length = CatalogueWord(bytes, table + 8 * index);
  const std::uint32_t offset = CatalogueWord(bytes, table + 8 * index + 4);
  return offset + length <= bytes.size() ? bytes.substr(offset, length) : std::string();
}

// Every message of the catalogue at `path`; none when it is no catalogue.
inline std::vector<CatalogueMessage> ReadCatalogue(const std::string& path) {
  const std::string bytes = ReadFile(path);
  std::vector<CatalogueMessage> messages;
  if (CatalogueWord(bytes, 0) != 0x950412deU) return messages;
  const std::uint32_t count = CatalogueWord(bytes, 8);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::string key = CatalogueString(bytes, CatalogueWord(bytes, 12), i);
    const std::size_t separator = key.find('\004');
    CatalogueMessage m;
    if (separator != std::string::npos) m.context = key.substr(0, separator);
    m.english = separator == std::string::npos ? key : key.substr(separator + 1);
    m.translated = CatalogueString(bytes, CatalogueWord(bytes, 16), i);
    messages.push_back(std::move(m));
  }
  return messages;
}

}  // namespace verlano::test
