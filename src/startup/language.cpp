#include "startup/language.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <system_error>

#include "i18n/translate.h"
#include "startup/catalogue_check.h"

namespace verlano {

namespace {

std::string Value(const EnvironmentReader& env, const char* name) {
  const char* value = env(name);
  return value == nullptr ? std::string() : std::string(value);
}

// "it" of "it_IT.UTF-8@euro".
std::string_view LanguageOf(std::string_view locale) {
  return locale.substr(0, locale.find_first_of("_.@"));
}

// The catalogue of `language` in `folder`, as gettext looks for it.
std::string CatalogueIn(const std::string& folder, const std::string& language) {
  return folder + "/" + language + "/LC_MESSAGES/" + std::string(kTextDomain) + ".mo";
}

}  // namespace

std::string LanguageFromEnvironment(const EnvironmentReader& env) {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = Value(env, name);
    if (!locale.empty()) break;
  }
  // The C locale asks for the program's own words: scripts set it for plain English.
  if (locale.empty() || locale == "C" || locale == "POSIX") return "";
  const std::string languages = Value(env, "LANGUAGE");
  for (std::string_view rest = languages; !rest.empty();) {
    const std::size_t colon = rest.find(':');
    const std::string_view language = LanguageOf(rest.substr(0, colon));
    if (language == "it") return "it";
    if (language == "en" || language == "C") return "";
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  return LanguageOf(locale) == "it" ? "it" : "";
}

std::string CatalogueFolder(const std::string& programFolder, const std::string& language) {
  for (const char* relative : {"locale", VERLANO_LOCALE_FROM_GAME}) {
    const std::string folder = programFolder + relative;
    std::error_code error;
    if (std::filesystem::is_regular_file(CatalogueIn(folder, language), error)) return folder;
  }
  return "";
}

void SpeakTheDesktopsLanguage(const std::string& programFolder) {
  const std::string language =
      LanguageFromEnvironment([](const char* name) { return std::getenv(name); });
  if (language.empty() || programFolder.empty()) return;
  const std::string folder = CatalogueFolder(programFolder, language);
  if (folder.empty()) return;
  // gettext trusts its catalogue; a damaged one could crash or hang the game.
  const std::string catalogue = CatalogueIn(folder, language);
  if (const std::string fault = CatalogueFileFault(catalogue); !fault.empty()) {
    std::cerr << "verlano: the Italian catalogue "
              << std::filesystem::path(catalogue).lexically_normal().string() << " is damaged ("
              << fault << "); the game speaks English\n";
    return;
  }
  // Only the messages follow the language; numbers stay as the C locale writes
  // them. A desktop's locale that is not installed still gets its catalogue:
  // gettext honours LANGUAGE under any locale but C itself.
  const char* messages = std::setlocale(LC_MESSAGES, "");
  if (messages == nullptr || std::strcmp(messages, "C") == 0) {
    std::setlocale(LC_MESSAGES, "C.UTF-8");
  }
  setenv("LANGUAGE", language.c_str(), 1);
  bindtextdomain(kTextDomain, folder.c_str());
  bind_textdomain_codeset(kTextDomain, "UTF-8");
}

}  // namespace verlano
