#include "render/bitmap_font.h"

#include <cerrno>

#include "i18n/font_cells.h"
#include "platform/platform.h"
#include "render/cint.h"

namespace verlano {

namespace {

// The numbers the old runtime gave these failures, so the message reads as it did.
constexpr int kBadArgument = 5;
constexpr int kFileNotFound = 53;
constexpr int kBadPicture = 481;

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
  int errorNumber = 0;
  if (!platform.CreateSurfaceFromFile(loaded, strFile, vidMem, reason, errorNumber)) {
    const int number = errorNumber == ENOENT ? kFileNotFound : kBadPicture;
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

bool clsDXBitmapFont::ShrinkFrom(const clsDXBitmapFont& big) {
  if (big.width < 1 || big.height < 1 || width < 1 || height < 1) return false;
  Colums = big.Colums;
  const int rows = big.dds.Height / big.height;
  Surface small = MakeSurface(Colums * width, rows * height);
  small.HasColorKey = big.dds.HasColorKey;
  small.ColorKey = big.dds.ColorKey;
  // A picture known only by its size (the headless run) stays so.
  if (!big.dds.HasPixels()) small.Pixels.clear();
  for (int y = 0; small.HasPixels() && y < small.Height; ++y) {
    const int sourceY = (y / height) * big.height + (y % height) * big.height / height;
    for (int x = 0; x < small.Width; ++x) {
      const int sourceX = (x / width) * big.width + (x % width) * big.width / width;
      small.Pixels[static_cast<std::size_t>(y) * small.Width + x] = big.dds.At(sourceX, sourceY);
    }
  }
  dds = std::move(small);
  return true;
}

void clsDXBitmapFont::SetTransColor(int color) {
  SetSurfaceColorKey(dds, color);
}

void clsDXBitmapFont::DrawText(const Screen& screen, Surface& dstSurface, std::string_view sText,
                               bool colKey) const {
  const float advance = static_cast<float>(width - 2);
  float x = XPos;
  for (const char32_t c : Utf8Characters(sText)) {
    DrawGlyph(screen, dstSurface, FontCell(c), x, colKey);
    x += advance;
  }
}

int clsDXBitmapFont::TextWidth(std::string_view text) const {
  const int n = TextCells(text);
  return n == 0 ? 0 : (width - 2) * (n - 1) + width;
}

void clsDXBitmapFont::DrawGlyph(const Screen& screen, Surface& destination, int glyph, float x,
                                bool transparent) const {
  // Control characters and letters the fonts lack have no cell; a cell past
  // the picture's last row (an older archive's font) finds no pixels and
  // CopyRect leaves it out.
  if (glyph < 0 || width < 1 || height < 1) return;
  const int left = width * (glyph % Colums);
  const int top = height * (glyph / Colums);
  // The cell is never the all-zero "whole picture" rectangle (width and height
  // are at least 1), so the screen copy cuts it to the clip rectangle: right,
  // bottom, then left and top, an emptied cell drawing nothing.
  BltFastClip(screen, dds, destination, Rect{left, top, left + width, top + height}, CInt(x),
              CInt(YPos), transparent);
}

void DrawTextAt(clsDXBitmapFont& font, Screen& screen, int x, int y, std::string_view text) {
  font.XPos = static_cast<float>(x);
  font.YPos = static_cast<float>(y);
  font.DrawText(screen, screen.BackBuffer, text, true);
}

}  // namespace verlano
