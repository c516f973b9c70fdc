#pragma once
// Checks a gettext catalogue (a .mo file) before gettext opens it. gettext
// trusts the file: a damaged header or table sends its reads outside the
// file, and a hash table without an empty slot makes a lookup of a text it
// lacks loop for ever. So every count, offset and length gettext will follow
// is checked here first, and every lookup gettext can make must end.

#include <cstddef>
#include <string>
#include <string_view>

namespace verlano {

// A larger catalogue is refused unread: the game's own is some tens of kilobytes.
inline constexpr std::size_t kLargestCatalogue = std::size_t{1} << 20;

// Why gettext must not be given these catalogue bytes, or "" when it may:
// "its hash table has no empty slot", "text 7 runs past the end of the file".
std::string CatalogueFault(std::string_view bytes);

// The same for the file at `path`, which must also be a regular file of at
// most kLargestCatalogue bytes that can be read.
std::string CatalogueFileFault(const std::string& path);

}  // namespace verlano
