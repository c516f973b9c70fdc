#include "resources/resource_layout.h"

#include "resources/entry_names.h"

namespace verlano {

namespace {

struct PrefixRoute {
  std::string_view prefix;
  std::string_view folder;
};

constexpr std::array<PrefixRoute, 6> kPrefixRoutes = {{
    {"fntFonts_", "res/fntFonts"},
    {"Sounds_", "res/Sounds"},
    {"Bitmaps_", "res/Bitmaps"},
    {"Trevigiano_", "res/Trevigiano"},
    {"Royal_", "res/Royal"},
    {"Trent_", "res/Trent"},
}};

}  // namespace

bool IsPlaceholder(std::string_view nameField) {
  return nameField.starts_with("dumm");
}

std::optional<EntryTarget> RouteEntry(std::string_view nameField) {
  if (IsPlaceholder(nameField)) return std::nullopt;
  for (const PrefixRoute& route : kPrefixRoutes) {
    if (nameField.starts_with(route.prefix)) {
      return EntryTarget{route.folder, StripNamePadding(nameField.substr(route.prefix.size()))};
    }
  }
  return std::nullopt;
}

}  // namespace verlano
