#pragma once
// Where the archive's entries go: the seven resource folders in the order they
// are made, and the name prefixes that route an entry into one of them.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace verlano {

// Relative to the resource root, parents before children.
inline constexpr std::array<std::string_view, 7> kResourceFolders = {
    "res", "res/fntFonts", "res/Sounds", "res/Bitmaps", "res/Trevigiano", "res/Royal", "res/Trent"};

// Its presence means an earlier start unpacked the archive.
inline constexpr std::string_view kMarkerFile = "res/Sounds/CARD_FLIP.WAV";

// The picture converted to a BMP after it is written, and the BMP's name.
inline constexpr std::string_view kJpegBackground = "Back_800x600.jpg";
inline constexpr std::string_view kBmpBackground = "Back_800x600.bmp";

struct EntryTarget {
  std::string_view folder;  // one of kResourceFolders
  std::string fileName;     // the name after the prefix, padding removed
};

// The target of an entry from its stored name field: nothing for placeholder
// ("dumm...") entries and for names with none of the six prefixes (exact case).
std::optional<EntryTarget> RouteEntry(std::string_view nameField);

// True for placeholder entries, which are never written.
bool IsPlaceholder(std::string_view nameField);

}  // namespace verlano
