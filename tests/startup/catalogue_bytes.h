#pragma once
// Gettext catalogues (.mo files) made byte by byte in the tests, laid out as
// msgfmt lays them out: the header, the table of originals, the table of
// translations, a hash table of prime size, then the texts. And a way to give
// one to gettext under a text domain, so that a test can see what gettext
// makes of it.

#include <libintl.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/scratch_files.h"

namespace verlano::test {

// An original (with its context as "context\004text") and its translation.
using CatalogueEntry = std::pair<std::string, std::string>;

// gettext's hash of a text: where msgfmt puts it in the hash table.
inline std::uint32_t GettextHash(const std::string& text) {
  std::uint32_t hash = 0;
  for (const char c : text) {
    hash = (hash << 4) + static_cast<unsigned char>(c);
    const std::uint32_t top = hash & 0xf0000000U;
    if (top != 0) hash ^= (top >> 24) ^ top;
  }
  return hash;
}

// msgfmt's size for the hash table of `count` texts: a prime of at least 4/3 of it.
inline std::uint32_t HashSizeFor(std::size_t count) {
  std::uint32_t size = std::max<std::uint32_t>(3, static_cast<std::uint32_t>(count * 4 / 3));
  const auto prime = [](std::uint32_t n) {
    for (std::uint32_t d = 2; d * d <= n; ++d) {
      if (n % d == 0) return false;
    }
    return true;
  };
  while (!prime(size)) ++size;
  return size;
}

// The bytes of a catalogue of `entries` (sorted here by original, as gettext's
// binary search wants them) with a hash table of `hashSize` slots (0 for none,
// msgfmt's size when not given), in the machine's byte order or the other.
inline std::string CatalogueBytes(std::vector<CatalogueEntry> entries,
                                  std::optional<std::uint32_t> hashSize = std::nullopt,
                                  bool otherByteOrder = false) {
  std::sort(entries.begin(), entries.end());
  const auto count = static_cast<std::uint32_t>(entries.size());
  const std::uint32_t slots = hashSize.value_or(HashSizeFor(count));
  std::vector<std::uint32_t> hash(slots, 0);
  for (std::uint32_t i = 0; i < count && slots > 2; ++i) {
    const std::uint32_t h = GettextHash(entries[i].first);
    std::uint32_t slot = h % slots;
    for (std::uint32_t tries = 0; hash[slot] != 0 && tries < slots; ++tries) {
      slot = (slot + 1 + h % (slots - 2)) % slots;
    }
    if (hash[slot] == 0) hash[slot] = i + 1;  // a full table keeps the rest out
  }
  const std::uint32_t originals = 28;
  const std::uint32_t translations = originals + 8 * count;
  const std::uint32_t hashAt = translations + 8 * count;
  std::vector<std::uint32_t> words = {0x950412de, 0, count, originals, translations, slots, hashAt};
  words.resize(hashAt / 4);
  words.insert(words.end(), hash.begin(), hash.end());
  std::string texts;
  std::uint32_t at = hashAt + 4 * slots;
  for (const int side : {0, 1}) {
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::string& text = side == 0 ? entries[i].first : entries[i].second;
      const std::uint32_t table = (side == 0 ? originals : translations) / 4 + 2 * i;
      words[table] = static_cast<std::uint32_t>(text.size());
      words[table + 1] = at;
      texts += text + '\0';
      at += static_cast<std::uint32_t>(text.size()) + 1;
    }
  }
  std::string bytes(4 * words.size(), '\0');
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::uint32_t word = otherByteOrder ? __builtin_bswap32(words[i]) : words[i];
    std::memcpy(bytes.data() + 4 * i, &word, 4);
  }
  return bytes + texts;
}

// The entries of a sound catalogue in the machine's byte order, such as the
// one the build compiles.
inline std::vector<CatalogueEntry> CatalogueTexts(const std::string& bytes) {
  const auto word = [&bytes](std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
  };
  const auto text = [&](std::uint32_t table, std::uint32_t i) {
    return bytes.substr(word(table + 8 * i + 4), word(table + 8 * i));
  };
  std::vector<CatalogueEntry> entries;
  for (std::uint32_t i = 0; i < word(8); ++i)
    entries.emplace_back(text(word(12), i), text(word(16), i));
  return entries;
}

// A small catalogue like the game's: a header entry, plain texts, printf
// patterns and texts with a context.
inline std::vector<CatalogueEntry> SmallCatalogue() {
  return {{"", "Content-Type: text/plain; charset=UTF-8\n"},
          {"Deck", "Mazzo"},
          {"Exit", "Esci"},
          {"Play", "Gioca"},
          {"Rules", "Regole"},
          {"Usage: %s", "Uso: %s"},
          {"Version %s", "Versione %s"},
          {"%s (%s); the game plays on without this sound",
           "%s (%s); il gioco continua senza questo suono"},
          {"table\004These cards add up to %d, not %d", "Queste carte fanno %d, non %d"},
          {"score page\004Cards:", "Carte:"}};
}

// Italian from gettext while it lives, from catalogues kept in a folder of its
// own; the process's language as it was afterwards.
class ItalianGettext {
 public:
  ItalianGettext() : messages_(std::setlocale(LC_MESSAGES, nullptr)) {
    const char* language = std::getenv("LANGUAGE");
    if (language != nullptr) language_ = language;
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    setenv("LANGUAGE", "it", 1);
  }
  ~ItalianGettext() {
    std::setlocale(LC_MESSAGES, messages_.c_str());
    if (language_) {
      setenv("LANGUAGE", language_->c_str(), 1);
    } else {
      unsetenv("LANGUAGE");
    }
  }
  ItalianGettext(const ItalianGettext&) = delete;
  ItalianGettext& operator=(const ItalianGettext&) = delete;

  // Gives `bytes` to gettext as the Italian catalogue of `domain`.
  void Bind(const std::string& domain, const std::string& bytes) const {
    std::filesystem::create_directories(folder_ / "it/LC_MESSAGES");
    WriteFile(folder_ / ("it/LC_MESSAGES/" + domain + ".mo"),
              std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    bindtextdomain(domain.c_str(), folder_.path().c_str());
    bind_textdomain_codeset(domain.c_str(), "UTF-8");
  }

 private:
  TempDir folder_;
  std::string messages_;
  std::optional<std::string> language_;
};

}  // namespace verlano::test
