#pragma once
// What goes into res077.pak: every picture, font and sound the game loads,
// each named with the prefix of the resource folder the game unpacks it into,
// grouped in parts so the build can say where the bytes go, plus one "dumm"
// placeholder entry the unpacker skips.

#include <cstddef>
#include <string>
#include <vector>

#include "decks.h"
#include "picture.h"
#include "resources/pak_writer.h"

namespace verlano::mkres {

struct ArchivePart {
  std::string label;
  std::vector<PakEntry> entries;
  std::size_t Bytes() const;
};

// "Trevigiano_", "Royal_", "Trent_": the entry prefix of a deck's folder.
std::string DeckPrefix(DeckStyle style);

// The background, score page, pen lines and cursor, as the Bitmaps folder holds them.
std::vector<NamedPicture> DrawTablePictures();
// The three bitmap fonts, as the fntFonts folder holds them.
std::vector<NamedPicture> DrawFontPictures();

// ".jpg" names become JPEG, every other picture a magenta-keyed 24-bit BMP.
std::vector<std::uint8_t> EncodePicture(const NamedPicture& picture);

// Draws and encodes everything: table pictures, fonts, sounds, the three decks
// and the placeholder, in that order.
std::vector<ArchivePart> BuildArchiveParts();

std::vector<PakEntry> JoinParts(const std::vector<ArchivePart>& parts);

// Writes the archive with WritePak, so a failed run never leaves a
// half-written archive where the game looks. Throws std::runtime_error with
// the reason.
void WriteArchiveFile(const std::string& path, const std::vector<PakEntry>& entries);

}  // namespace verlano::mkres
