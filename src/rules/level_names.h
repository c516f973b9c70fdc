#pragma once
// The computer players' levels by name, in the order the Options tab offers
// them: the dialog's rows, the statistics and the table's seat labels all
// read the names here, so a level added later is named once.

#include <array>
#include <cstddef>
#include <string_view>

#include "i18n/translate.h"
#include "rules/settings.h"

namespace verlano {

// In the order of `PlayerLevel`, weakest first.
inline constexpr std::array<std::string_view, 5> kLevelCaptions = {
    N_("Beginner"), N_("Classic"), N_("Strong"), N_("Expert"), N_("Master")};

// The untranslated name of a level.
constexpr std::string_view LevelCaption(PlayerLevel level) {
  return kLevelCaptions[static_cast<std::size_t>(level)];
}

}  // namespace verlano
