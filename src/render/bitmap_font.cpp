#include "render/bitmap_font.h"

#include <filesystem>

#include "platform/platform.h"
#include "render/cint.h"

namespace verlano {

namespace {

// The numbers the old runtime gave these failures, so the message reads as it did.
constexpr int kBadArgument = 5;
constexpr int kFileNotFound = 53;
constexpr int kBadPicture = 481;

constexpr int kFirstGlyphCode = 32;  // the blank sits in the top-left cell

}  // namespace

bool clsDXBitmapFont::CreateSpriteFromFile(Platform& platform, const std::string& strFile,
                                           int intWidth, int intHeight, int colums, bool vidMem,
                                           std::string& error) {
  const std::string routine = "clsDXBitmapFont.CreateSpriteFromFile";
  if (!SetGrid(intWidth, intHeight, colums)) {
    error = PlatformErrorMessage(routine, kBadArgument, "Invalid procedure call or argument");
    return false;
  }
  Surface loaded;
  std::string reason;
  if (!platform.CreateSurfaceFromFile(loaded, strFile, vidMem, reason)) {
    std::error_code ignored;
    const int number = std::filesystem::exists(strFile, ignored) ? kBadPicture : kFileNotFound;
    error = PlatformErrorMessage(routine, number, reason);
    return false;
  }
  dds = std::move(loaded);
  return true;
}

bool clsDXBitmapFont::SetGrid(int intWidth, int intHeight, int colums) {
  // A grid without columns or cells would divide by zero at the first glyph.
  if (colums < 1 || intWidth < 1 || intHeight < 1) return false;
  Colums = colums;
  width = intWidth;
  height = intHeight;
  return true;
}

void clsDXBitmapFont::SetTransColor(int color) {
  SetSurfaceColorKey(dds, color);
}

void clsDXBitmapFont::DrawText(const Screen& screen, Surface& dstSurface, std::string_view sText,
                               bool colKey) const {
  const float advance = static_cast<float>(width - 2);
  for (std::size_t i = 0; i < sText.size(); ++i) {
    const int glyph = static_cast<unsigned char>(sText[i]) - kFirstGlyphCode;
    DrawGlyph(screen, dstSurface, glyph, XPos + advance * static_cast<float>(i), colKey);
  }
}

void clsDXBitmapFont::DrawGlyph(const Screen& screen, Surface& destination, int glyph, float x,
                                bool transparent) const {
  // Control characters have no cell; a code past the picture's last row finds
  // no pixels and CopyRect leaves it out.
  if (glyph < 0 || width < 1 || height < 1) return;
  int dx = CInt(x);
  int dy = CInt(YPos);
  Rect cell{width * (glyph % Colums), height * (glyph / Colums), 0, 0};
  cell.Right = cell.Left + width;
  cell.Bottom = cell.Top + height;
  if (dx + width > screen.ClipRight) cell.Right = cell.Left + screen.ClipRight - dx;
  if (dy + height > screen.ClipBottom) cell.Bottom = cell.Top + screen.ClipBottom - dy;
  if (dx < screen.ClipLeft) {
    cell.Left += screen.ClipLeft - dx;
    dx = screen.ClipLeft;
  }
  if (dy < screen.ClipTop) {
    cell.Top += screen.ClipTop - dy;
    dy = screen.ClipTop;
  }
  if (cell.Right <= cell.Left || cell.Bottom <= cell.Top) return;
  CopyRect(dds, cell, destination, dx, dy, transparent);
}

}  // namespace verlano
