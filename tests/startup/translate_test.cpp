#include "i18n/translate.h"

#include <gtest/gtest.h>
#include <printf.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "common/scratch_files.h"
#include "i18n/printf_arguments.h"
#include "startup/catalogue_bytes.h"

namespace verlano {
namespace {

TEST(PrintfArguments, TranslationMustReadWhatItsEnglishReads) {
  const struct {
    const char* english;
    const char* translation;
    bool same;
  } pairs[] = {
      {"Usage: %s", "Uso: %s", true},
      {"Usage: %s", "Uso: %s %s", false},
      {"Deck", "Mazzo: %s", false},
      {"%s", "%n%s", false},
      {"%d cards", "%n carte", false},
      {"%s (%s)", "%2$s (%1$s)", true},
      {"%s is %d", "%2$d: %1$s", true},
      {"%s is %d", "%2$s: %1$d", false},
      {"%s is %d", "%d: %s", false},
      {"%s and %s", "%1$s", false},
      {"%s and %s", "%2$s", false},
      {"%s and %s", "%1$s e %s", false},
      {"%s", "%1$s, %1$s", true},
      {"100%% sure", "sicuro al 100%%", true},
      {"%d%%", "%d %", false},
      {"%d", "%s", false},
      {"%d", "%u", false},
      {"%5.2f", "%.2f", true},
      {"%5.2f", "%5.2d", false},
      {"%ld", "%d", false},
      {"%zu", "%zu", true},
      {"%zu", "%Zu", true},
      {"%zu", "%lu", false},
      {"%s", "%.*s", false},
      {"%*d", "%2$*1$d", true},
      {"%*d", "%d", false},
      {"%d", "%1000000000d", false},
      {"%s", "%65$s", false},
      {"%s", "50%", false},
  };
  for (const auto& p : pairs) {
    EXPECT_EQ(SameConversions(p.english, p.translation), p.same)
        << '"' << p.english << "\" translated \"" << p.translation << '"';
  }
}

// The argument kinds the game's patterns use; each with the conversion
// letters that read it alike.
struct Kind {
  std::string length;
  std::string letters;
};
const Kind kKinds[] = {{"", "di"},  {"", "ouxX"}, {"l", "di"}, {"ll", "ux"},
                       {"z", "u"},  {"h", "d"},   {"hh", "x"}, {"", "feEgGaA"},
                       {"L", "fg"}, {"", "s"},    {"", "c"},   {"", "p"}};

// Patterns made at random for lists of argument kinds: an English one, a
// translation reading the same kinds (positional and reordered, other flags,
// widths, precisions and letters), and a translation spoilt in one of the ways
// a careless or hostile catalogue would.
class PatternMaker {
 public:
  explicit PatternMaker(unsigned seed) : random_(seed) {}

  std::size_t Pick(std::size_t below) {
    return std::uniform_int_distribution<std::size_t>(0, below - 1)(random_);
  }

  std::vector<std::size_t> Kinds() {
    std::vector<std::size_t> kinds(1 + Pick(5));
    for (std::size_t& kind : kinds) kind = Pick(std::size(kKinds));
    return kinds;
  }

  // `kinds` read in `order` ("%N$" conversions), or in turn when it is empty.
  std::string Pattern(const std::vector<std::size_t>& kinds,
                      const std::vector<std::size_t>& order) {
    std::string text = Words();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      const std::size_t argument = order.empty() ? i : order[i];
      const Kind& kind = kKinds[kinds[argument]];
      text += '%';
      if (!order.empty()) text += std::to_string(argument + 1) + '$';
      for (const char flag : std::string("-+ #0")) {
        if (Pick(4) == 0) text += flag;
      }
      if (Pick(2) == 0) text += std::to_string(1 + Pick(30));
      if (Pick(3) == 0) text += '.' + std::to_string(Pick(9));
      text += kind.length + kind.letters[Pick(kind.letters.size())] + Words();
    }
    return text;
  }

  std::string Translation(const std::vector<std::size_t>& kinds) {
    if (Pick(2) == 0) return Pattern(kinds, {});
    std::vector<std::size_t> order(kinds.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random_);
    return Pattern(kinds, order);
  }

  std::string Spoilt(std::vector<std::size_t> kinds) {
    const std::string sound = Pattern(kinds, {});
    switch (Pick(6)) {
      case 0: {  // one argument read as another kind
        std::size_t& kind = kinds[Pick(kinds.size())];
        kind = (kind + 1 + Pick(std::size(kKinds) - 1)) % std::size(kKinds);
        return Translation(kinds);
      }
      case 1:  // one argument left out
        kinds.pop_back();
        return Pattern(kinds, {});
      case 2:  // one argument more
        kinds.push_back(Pick(std::size(kKinds)));
        return Translation(kinds);
      case 3:
        return sound + "%n";
      case 4:  // a width read from the arguments
        return "%*d" + sound;
      default:
        return sound + '%';
    }
  }

 private:
  std::string Words() {
    const char* words[] = {"", " ", " carte ", " (", "; ", " 100%% "};
    return words[Pick(std::size(words))];
  }

  std::mt19937 random_;
};

// glibc's own reading of a pattern's argument types.
std::vector<int> GlibcArgumentTypes(const std::string& pattern) {
  std::vector<int> types(kMostPrintfArguments);
  types.resize(
      std::min(parse_printf_format(pattern.c_str(), types.size(), types.data()), types.size()));
  return types;
}

// Agreement with glibc's printf over many random patterns: a translation that
// reads the same kinds is used, a spoilt one never, and whatever is used reads
// exactly the argument types glibc reads for its English.
TEST(PrintfArguments, AgreesWithGlibcOnRandomPatterns) {
  PatternMaker maker(20240611);
  for (int round = 0; round < 4000; ++round) {
    const std::vector<std::size_t> kinds = maker.Kinds();
    const std::string english = maker.Pattern(kinds, {});
    ASSERT_EQ(ReadPrintfArguments(english).kinds.size(), GlibcArgumentTypes(english).size())
        << english;
    const std::string good = maker.Translation(kinds);
    const std::string spoilt = maker.Spoilt(kinds);
    EXPECT_TRUE(SameConversions(english, good)) << '"' << english << "\" as \"" << good << '"';
    EXPECT_FALSE(SameConversions(english, spoilt)) << '"' << english << "\" as \"" << spoilt << '"';
    EXPECT_EQ(GlibcArgumentTypes(english), GlibcArgumentTypes(good)) << english << " / " << good;
  }
}

// Every translation of the game's own catalogue reads what its English reads,
// so none of it falls back to English.
TEST(PrintfArguments, EveryTranslationOfTheItalianCatalogueIsUsed) {
  const std::string bytes =
      test::ReadFile(VERLANO_PROGRAM_FOLDER "locale/it/LC_MESSAGES/verlano.mo");
  int patterns = 0;
  for (const auto& [key, translation] : test::CatalogueTexts(bytes)) {
    const std::string english = key.substr(key.find('\004') + 1);
    if (english.find('%') == std::string::npos) continue;
    ++patterns;
    EXPECT_TRUE(SameConversions(english, translation)) << english << " / " << translation;
  }
  EXPECT_GT(patterns, 20);
}

// `_` and `P_` through gettext, with a catalogue some of whose translations
// would make printf read arguments it was not given.
TEST(Translate, PassesOverTranslationsThatReadOtherArguments) {
  const test::ItalianGettext gettext;
  gettext.Bind(kTextDomain, test::CatalogueBytes(
                                {{"", "Content-Type: text/plain; charset=UTF-8\n"},
                                 {"Deck", "Mazzo"},
                                 {"Usage: %s", "Uso: %s %s"},
                                 {"unknown argument '%s'", "argomento %n sconosciuto '%s'"},
                                 {"%s (%s)", "%2$s (%1$s)"},
                                 {"Version %s", "Versione %s"},
                                 {"table\004These cards add up to %d, not %d", "Fanno %d, non %s"},
                                 {"score page\004Target: over %d", "Meta: oltre %d"}}));
  EXPECT_STREQ(_("Deck"), "Mazzo");
  EXPECT_STREQ(_("Usage: %s"), "Usage: %s");
  EXPECT_EQ(_(std::string_view("Usage: %s")), "Usage: %s");
  EXPECT_STREQ(_("unknown argument '%s'"), "unknown argument '%s'");
  EXPECT_EQ(Format(_("%s (%s)"), "a", "b"), "b (a)");
  EXPECT_EQ(Format(_("Version %s"), "1.0.0"), "Versione 1.0.0");
  EXPECT_EQ(P_("table", "These cards add up to %d, not %d"), "These cards add up to %d, not %d");
  EXPECT_EQ(P_("score page", "Target: over %d"), "Meta: oltre %d");
}

}  // namespace
}  // namespace verlano
