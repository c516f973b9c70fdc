#include "archive.h"

#include <stdexcept>

#include "fonts.h"
#include "jpeg.h"
#include "pages.h"
#include "resources/whole_file.h"
#include "sounds.h"

namespace verlano::mkres {

namespace {

constexpr int kJpegQuality = 90;

std::vector<PakEntry> PictureEntries(const std::string& prefix,
                                     const std::vector<NamedPicture>& pictures) {
  std::vector<PakEntry> entries;
  for (const NamedPicture& p : pictures) entries.push_back({prefix + p.fileName, EncodePicture(p)});
  return entries;
}

std::vector<PakEntry> SoundEntries() {
  std::vector<PakEntry> entries;
  for (const NamedSound& s : SynthesiseSounds()) {
    entries.push_back({"Sounds_" + s.fileName, EncodeWav(s.samples)});
  }
  return entries;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::size_t ArchivePart::Bytes() const {
  std::size_t total = 0;
  for (const PakEntry& e : entries) total += e.data.size();
  return total;
}

std::string DeckPrefix(DeckStyle style) {
  switch (style) {
    case DeckStyle::Trevigiano:
      return "Trevigiano_";
    case DeckStyle::Royal:
      return "Royal_";
    case DeckStyle::Trent:
      return "Trent_";
  }
  throw std::invalid_argument("unknown deck style");
}

std::vector<NamedPicture> DrawTablePictures() {
  std::vector<NamedPicture> pictures;
  pictures.push_back({"Back_800x600.jpg", DrawTableBackground()});
  pictures.push_back({"Scorepage_800x600.bmp", DrawScorePage()});
  pictures.push_back({"line_horz.bmp", DrawPenLine(LineDirection::Horizontal)});
  pictures.push_back({"line_vert.bmp", DrawPenLine(LineDirection::Vertical)});
  pictures.push_back({"mouse.bmp", DrawCursor()});
  return pictures;
}

std::vector<NamedPicture> DrawFontPictures() {
  std::vector<NamedPicture> pictures;
  for (const FontStyle* style : FontStyles()) {
    pictures.push_back({style->fileName, RenderFont(*style)});
  }
  return pictures;
}

std::vector<std::uint8_t> EncodePicture(const NamedPicture& picture) {
  return EndsWith(picture.fileName, ".jpg") ? EncodeJpeg(picture.picture, kJpegQuality)
                                            : EncodeBmp24(picture.picture);
}

std::vector<ArchivePart> BuildArchiveParts() {
  std::vector<ArchivePart> parts;
  parts.push_back({"table pictures", PictureEntries("Bitmaps_", DrawTablePictures())});
  parts.push_back({"fonts", PictureEntries("fntFonts_", DrawFontPictures())});
  parts.push_back({"sounds", SoundEntries()});
  for (DeckStyle style : {DeckStyle::Trevigiano, DeckStyle::Royal, DeckStyle::Trent}) {
    const std::string prefix = DeckPrefix(style);
    parts.push_back(
        {prefix.substr(0, prefix.size() - 1) + " deck", PictureEntries(prefix, DrawDeck(style))});
  }
  // The game's archive has always carried one placeholder; the unpacker skips
  // any name starting "dumm", so its content never matters.
  const std::string note = "placeholder";
  parts.push_back({"placeholder", {{"dummy", {note.begin(), note.end()}}}});
  return parts;
}

std::vector<PakEntry> JoinParts(const std::vector<ArchivePart>& parts) {
  std::vector<PakEntry> entries;
  for (const ArchivePart& part : parts) {
    entries.insert(entries.end(), part.entries.begin(), part.entries.end());
  }
  return entries;
}

void WriteArchiveFile(const std::string& path, const std::vector<PakEntry>& entries) {
  if (const std::error_code failure = WritePak(path, entries)) {
    throw std::runtime_error(CannotWrite(path, failure));
  }
}

}  // namespace verlano::mkres
