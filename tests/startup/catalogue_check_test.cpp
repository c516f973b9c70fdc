#include "startup/catalogue_check.h"

#include <gtest/gtest.h>
#include <libintl.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "common/scratch_files.h"
#include "startup/catalogue_bytes.h"

namespace verlano {
namespace {

using test::CatalogueBytes;
using test::SmallCatalogue;

std::uint32_t WordAt(const std::string& bytes, std::size_t at) {
  std::uint32_t word = 0;
  std::memcpy(&word, bytes.data() + at, 4);
  return word;
}

void SetWord(std::string& bytes, std::size_t at, std::uint32_t word) {
  std::memcpy(bytes.data() + at, &word, 4);
}

// Catalogues given to gettext one after another, each under a text domain of
// its own, so that none is read from gettext's memory of an earlier one.
class GettextReader {
 public:
  // Looks up every original of SmallCatalogue and a text it lacks: each comes
  // back as asked or as a text of the file, never from memory outside it. A
  // crash or an endless lookup stops the suite.
  void ExpectSafe(const std::string& bytes, const std::string& what) {
    const std::string domain = "checked-" + std::to_string(++domains_);
    gettext_.Bind(domain, bytes);
    std::vector<test::CatalogueEntry> asked = SmallCatalogue();
    asked.emplace_back("Not in the catalogue", "");
    for (const auto& [original, translation] : asked) {
      const char* found = dgettext(domain.c_str(), original.c_str());
      if (found == original.c_str()) continue;
      EXPECT_NE(bytes.find(std::string(found) + '\0'), std::string::npos)
          << what << ": \"" << original << "\" gave \"" << found << "\", not a text of the file";
    }
  }

  // The translation gettext gives for `original` from the catalogue last read.
  std::string Translate(const std::string& original) const {
    return dgettext(("checked-" + std::to_string(domains_)).c_str(), original.c_str());
  }

 private:
  test::ItalianGettext gettext_;
  int domains_ = 0;
};

TEST(CatalogueCheck, PassesWellFormedCataloguesWhichGettextReads) {
  GettextReader gettext;
  for (const bool otherByteOrder : {false, true}) {
    for (const auto hashSize : {std::optional<std::uint32_t>(), std::optional<std::uint32_t>(0)}) {
      const std::string bytes = CatalogueBytes(SmallCatalogue(), hashSize, otherByteOrder);
      const std::string what = std::string(otherByteOrder ? "other byte order" : "own byte order") +
                               (hashSize ? ", no hash table" : ", hash table");
      EXPECT_EQ(CatalogueFault(bytes), "") << what;
      gettext.ExpectSafe(bytes, what);
      EXPECT_EQ(gettext.Translate("Deck"), "Mazzo") << what;
      EXPECT_EQ(gettext.Translate("score page\004Cards:"), "Carte:") << what;
      EXPECT_EQ(gettext.Translate("Nothing"), "Nothing") << what;
    }
  }
  EXPECT_EQ(CatalogueFault(CatalogueBytes({})), "");
  EXPECT_EQ(CatalogueFileFault(VERLANO_PROGRAM_FOLDER "locale/it/LC_MESSAGES/verlano.mo"), "");
}

TEST(CatalogueCheck, RefusesEachDamageGettextWouldFollow) {
  const std::string sound = CatalogueBytes(SmallCatalogue());
  const std::uint32_t count = WordAt(sound, 8);
  const std::uint32_t originals = WordAt(sound, 12);
  const std::uint32_t translations = WordAt(sound, 16);
  const std::uint32_t hashAt = WordAt(sound, 24);
  // The hash table's slots that name a text.
  std::vector<std::size_t> used;
  for (std::uint32_t i = 0; i < WordAt(sound, 20); ++i) {
    if (WordAt(sound, hashAt + 4 * i) != 0) used.push_back(hashAt + 4 * i);
  }
  const struct {
    const char* what;
    std::function<void(std::string&)> damage;
    const char* reason;
  } cases[] = {
      {"a table off its boundary", [&](std::string& b) { SetWord(b, 16, translations + 2); },
       "not on a 4-byte boundary"},
      {"a translation past the end",
       [&](std::string& b) { SetWord(b, translations + 4, static_cast<std::uint32_t>(b.size())); },
       "translated text 0 runs past"},
      {"an original one byte longer than its NUL",
       [&](std::string& b) { SetWord(b, originals + 8, WordAt(b, originals + 8) + 1); },
       "original text 1 does not end with a NUL"},
      {"a hash table of 15 slots", [](std::string& b) { SetWord(b, 20, 15); }, "not a prime"},
      {"a hash table of 2 slots", [](std::string& b) { SetWord(b, 20, 2); }, "not a prime"},
      {"a slot naming a text past the last",
       [&](std::string& b) { SetWord(b, used[0], count + 1); }, "names text"},
      {"two slots swapped",
       [&](std::string& b) {
         const std::uint32_t first = WordAt(b, used[0]);
         SetWord(b, used[0], WordAt(b, used[1]));
         SetWord(b, used[1], first);
       },
       "does not find"},
      // gettext's lookup of a text it lacks stops only at an empty slot.
      {"a hash table without an empty slot",
       [](std::string& b) {
         b = CatalogueBytes({{"Deck", "Mazzo"}, {"Exit", "Esci"}, {"Play", "Gioca"}}, 3);
       },
       "no empty slot"},
  };
  for (const auto& c : cases) {
    std::string bytes = sound;
    c.damage(bytes);
    EXPECT_NE(CatalogueFault(bytes).find(c.reason), std::string::npos)
        << c.what << ": \"" << CatalogueFault(bytes) << '"';
  }
}

TEST(CatalogueCheck, EveryOneByteChangeOfTheHeaderIsRefusedOrSafeForGettext) {
  GettextReader gettext;
  const std::string sound = CatalogueBytes(SmallCatalogue());
  int passed = 0;
  for (std::size_t at = 0; at < 28; ++at) {
    for (int value = 0; value < 256; ++value) {
      std::string bytes = sound;
      bytes[at] = static_cast<char>(value);
      if (bytes == sound || !CatalogueFault(bytes).empty()) continue;
      ++passed;
      gettext.ExpectSafe(bytes, "byte " + std::to_string(at) + " = " + std::to_string(value));
    }
  }
  // Some changes leave a catalogue gettext can read (no hash table, say).
  EXPECT_GT(passed, 0);
}

// Damage as a disk or a download gives it: a few bytes of the header, a few
// anywhere, or a word of the tables set to a small number.
TEST(CatalogueCheck, RandomDamageIsRefusedOrSafeForGettext) {
  GettextReader gettext;
  // The header and the three tables, in either byte order.
  const std::string sound = CatalogueBytes(SmallCatalogue());
  const std::uint32_t tables = 28 + 16 * WordAt(sound, 8) + 4 * WordAt(sound, 20);
  int passed = 0;
  for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
    std::mt19937 random(seed);
    std::string bytes = CatalogueBytes(SmallCatalogue(), std::nullopt, seed % 2 == 0);
    const auto pick = [&random](std::size_t below) {
      return std::uniform_int_distribution<std::size_t>(0, below - 1)(random);
    };
    switch (seed % 3) {
      case 0:
        for (std::size_t n = 1 + pick(4); n > 0; --n)
          bytes[pick(28)] = static_cast<char>(pick(256));
        break;
      case 1:
        for (std::size_t n = 1 + pick(8); n > 0; --n) {
          bytes[pick(bytes.size())] = static_cast<char>(pick(256));
        }
        break;
      default:
        SetWord(bytes, 4 * pick(tables / 4), static_cast<std::uint32_t>(pick(64)));
    }
    if (!CatalogueFault(bytes).empty()) continue;
    ++passed;
    gettext.ExpectSafe(bytes, "seed " + std::to_string(seed));
  }
  EXPECT_GT(passed, 0);
}

TEST(CatalogueCheck, ReadsOnlyARegularFileWithinTheLimit) {
  const test::TempDir folder;
  const std::string sound = CatalogueBytes(SmallCatalogue());
  const auto write = [&folder](const std::string& name, std::string bytes) {
    test::WriteFile(folder / name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return folder / name;
  };
  std::string padded = sound;
  padded.resize(kLargestCatalogue, '\0');
  EXPECT_EQ(CatalogueFileFault(write("sound.mo", sound)), "");
  EXPECT_EQ(CatalogueFileFault(write("largest.mo", padded)), "");
  EXPECT_EQ(CatalogueFileFault(write("larger.mo", padded + '\0')), "it is larger than 1 MiB");
  ASSERT_EQ(mkfifo((folder / "fifo.mo").c_str(), 0600), 0);
  EXPECT_EQ(CatalogueFileFault(folder / "fifo.mo"), "it is not a regular file");
  EXPECT_EQ(CatalogueFileFault(folder.path().string()), "it is not a regular file");
  EXPECT_TRUE(CatalogueFileFault(folder / "missing.mo").starts_with("it cannot be opened: "));
  EXPECT_EQ(CatalogueFileFault(write("cut.mo", sound.substr(0, sound.size() - 1))),
            "translated text 9 runs past the end of the file");
}

}  // namespace
}  // namespace verlano
