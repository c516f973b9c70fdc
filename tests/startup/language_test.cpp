#include "startup/language.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <clocale>
#include <map>
#include <string>

#include "common/run_command.h"
#include "common/scratch_files.h"
#include "game/judgement_words.h"
#include "i18n/decimal_words.h"
#include "i18n/translate.h"

namespace verlano {
namespace {

TEST(Language, ComesFromTheEnvironmentAsGnuProgramsReadIt) {
  const struct {
    std::map<std::string, std::string> env;
    const char* language;
  } cases[] = {
      {{}, ""},
      {{{"LANG", "it_IT.UTF-8"}}, "it"},
      {{{"LANG", "it_CH"}}, "it"},
      {{{"LANG", "C"}}, ""},
      {{{"LANG", "C.UTF-8"}}, ""},
      {{{"LANG", "fr_FR.UTF-8"}}, ""},
      {{{"LANG", "xx_YY"}}, ""},
      // LC_ALL over LC_MESSAGES over LANG; an empty one counts as unset.
      {{{"LC_ALL", "en_GB.UTF-8"}, {"LANG", "it_IT.UTF-8"}}, ""},
      {{{"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "en_US.UTF-8"}}, "it"},
      {{{"LC_ALL", ""}, {"LANG", "it_IT.UTF-8"}}, "it"},
      // LANGUAGE's list first: the first language with words of its own decides.
      {{{"LANGUAGE", "it"}, {"LANG", "C.UTF-8"}}, "it"},
      {{{"LANGUAGE", "de:it_IT:en"}, {"LANG", "en_US.UTF-8"}}, "it"},
      {{{"LANGUAGE", "en:it"}, {"LANG", "it_IT.UTF-8"}}, ""},
      {{{"LANGUAGE", "xx"}, {"LANG", "it_IT.UTF-8"}}, "it"},
      // ... except under the C locale, which asks for the program's own words.
      {{{"LANGUAGE", "it"}}, ""},
      {{{"LANGUAGE", "it"}, {"LC_ALL", "C"}, {"LANG", "it_IT.UTF-8"}}, ""},
      {{{"LANGUAGE", "it"}, {"LANG", "POSIX"}}, ""},
  };
  for (const auto& c : cases) {
    const std::string language = LanguageFromEnvironment([&c](const char* name) -> const char* {
      const auto found = c.env.find(name);
      return found == c.env.end() ? nullptr : found->second.c_str();
    });
    std::string env;
    for (const auto& [name, value] : c.env) env += name + "=" + value + " ";
    EXPECT_EQ(language, c.language) << env;
  }
}

TEST(Language, CatalogueIsFoundBesideTheProgramOrInTheInstalledPrefix) {
  const test::TempDir root;
  const std::string catalogue = "it/LC_MESSAGES/verlano.mo";
  const std::string build = root / "build/bin/";
  const std::string installed = root / "usr/lib/verlano/";
  std::filesystem::create_directories(build + "locale/it/LC_MESSAGES");
  std::filesystem::create_directories(root / "usr/share/locale/it/LC_MESSAGES");
  std::filesystem::create_directories(installed);
  test::WriteFile(build + "locale/" + catalogue, {1});
  test::WriteFile(root / ("usr/share/locale/" + catalogue), {1});

  EXPECT_EQ(CatalogueFolder(build, "it"), build + "locale");
  EXPECT_EQ(std::filesystem::weakly_canonical(CatalogueFolder(installed, "it")),
            root.path() / "usr/share/locale");
  EXPECT_EQ(CatalogueFolder(build, "fr"), "");
  EXPECT_EQ(CatalogueFolder(root / "elsewhere/", "it"), "");
}

// The real catalogue of the build tree, through gettext, for the whole process
// (from the C locale a program starts in, whatever a case before did).
void SpeakWith(const char* language, const char* lang) {
  std::setlocale(LC_MESSAGES, "C");
  setenv("LANGUAGE", language, 1);
  setenv("LANG", lang, 1);
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  SpeakTheDesktopsLanguage(VERLANO_PROGRAM_FOLDER);
}

TEST(Language, ItalianDesktopGetsTheItalianWordsWithoutItsLocaleInstalled) {
  SpeakWith("it", "it_IT.UTF-8");
  EXPECT_STREQ(_("Deck"), "Mazzo");
  EXPECT_EQ(P_("score page", "Cards:"), "Carte:");
  EXPECT_EQ(Format(_("Version %s"), "1.0.0"), "Versione 1.0.0");
  // Numbers are still written the C way by printf...
  EXPECT_EQ(Format("%.1f", 0.5), "0.5");
  // ...but the points the coach and the reviews show carry the Italian comma.
  EXPECT_EQ(DecimalWords(0.85, 2), "0,85");
  EXPECT_EQ(PointsWords(-12.5), "-12,50");
  EXPECT_EQ(DecimalWords(3, 0), "3");
  EXPECT_EQ(Format(P_("coach", "%s points a hand ahead of the next best").c_str(),
                   DecimalWords(0.75, 1).c_str()),
            "0,8 punti per mano in pi\u00f9 della seconda giocata");
}

TEST(Language, OtherDesktopsGetTheEnglishAsWritten) {
  SpeakWith("fr", "fr_FR.UTF-8");
  EXPECT_STREQ(_("Deck"), "Deck");
  EXPECT_EQ(P_("score page", "Cards:"), "Cards:");
  EXPECT_EQ(DecimalWords(0.85, 2), "0.85");
  EXPECT_EQ(PointsWords(-12.5), "-12.50");
}

// The built game, whose catalogue lies beside it: its help and its first
// message, with no display, in the language the environment asks for.
TEST(Language, BuiltGameSpeaksWhatTheEnvironmentAsksFor) {
  const struct {
    const char* env;
    const char* usage;
    const char* noDisplay;
  } cases[] = {
      {"LANGUAGE=it LANG=C.UTF-8", "Uso: verlano", "verlano: impossibile aprire lo schermo"},
      {"LANG=it_IT.UTF-8", "Uso: verlano", "verlano: impossibile aprire lo schermo"},
      {"LANG=C", "Usage: verlano", "verlano: cannot open the display"},
      {"LANGUAGE=it LANG=C", "Usage: verlano", "verlano: cannot open the display"},
      {"LANG=xx_YY.UTF-8", "Usage: verlano", "verlano: cannot open the display"},
  };
  for (const auto& c : cases) {
    const std::string game = std::string("env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u DISPLAY ") +
                             "-u WAYLAND_DISPLAY " + c.env + " '" + VERLANO_GAME + "'";
    const test::Outcome help = test::RunCommand(game + " --help");
    EXPECT_EQ(help.status, 0) << c.env;
    EXPECT_TRUE(help.out.starts_with(c.usage)) << c.env << ": " << help.out;
    const test::Outcome start = test::RunCommand(game);
    EXPECT_EQ(start.status, 1) << c.env;
    EXPECT_TRUE(start.out.starts_with(c.noDisplay)) << c.env << ": " << start.out;
  }
}

}  // namespace
}  // namespace verlano
