#pragma once
// The language the game speaks, chosen once at start from the environment as
// GNU programs choose it: LANGUAGE's list first, then the locale (LC_ALL,
// LC_MESSAGES, LANG, the first one set); the C locale ignores LANGUAGE. Italian
// when that asks for it and its catalogue is found, English otherwise. The
// catalogue is looked for beside the program (the build tree) and in the
// installed prefix's share/locale, so neither needs the locale to be installed.

#include <string>

#include "startup/display_messages.h"

namespace verlano {

// "it" when the environment asks for Italian, "" for English.
std::string LanguageFromEnvironment(const EnvironmentReader& env);

// The folder holding LANGUAGE/LC_MESSAGES/verlano.mo for the program in
// `programFolder` (with its trailing '/'), or "" when there is none.
std::string CatalogueFolder(const std::string& programFolder, const std::string& language);

// Makes `_` speak the environment's language for the rest of the run (GTK's
// own words too); leaves everything English when it is English or its
// catalogue is missing. A damaged catalogue (catalogue_check.h) is never
// given to gettext: the game says so in one line on standard error and
// speaks English.
void SpeakTheDesktopsLanguage(const std::string& programFolder);

}  // namespace verlano
