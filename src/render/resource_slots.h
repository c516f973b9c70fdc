#pragma once
// The game's loaded pictures, fonts and sounds: the resource slots 0..27 (the
// numbers are the slots the game's files are known by), the cursor and the
// named fonts. The game run fills them at start; the table drawing reads them.

#include <array>

#include "platform/platform.h"
#include "render/bitmap_font.h"

namespace verlano {

inline constexpr int kCardImageEntries = 53;  // slot 9: one picture per card index
inline constexpr int kSoundSlotFirst = 18;    // slots 18..27 hold the ten sounds
inline constexpr int kSoundSlotCount = 10;
inline constexpr int kHandFontRows = 11;
// The small font's cells (the table's fonts have 19 x 27).
inline constexpr int kSmallFontCellWidth = 10;
inline constexpr int kSmallFontCellHeight = 18;

struct ResourceSlots {
  Surface Background;                                    // slot 0, no colour key
  Surface CardBack;                                      // slot 1
  std::array<Surface, kCardImageEntries> CardImage;      // slot 9, by card index
  Surface ScorePage;                                     // slot 12
  Surface FrameBlue;                                     // slot 13, the selection frame
  std::array<Surface, 3> HorzLine;                       // slots 14, 15, 16
  Surface VertLine;                                      // slot 17
  std::array<SoundId, kSoundSlotCount> Sound{};          // slots 18..27
  Surface Cursor;                                        // 32 x 32, hot spot at the centre
  clsDXBitmapFont HandFont;                              // follows the mouse; draws no text
  clsDXBitmapFont DigitFont;                             // the clock
  clsDXBitmapFont DeluxeFont;                            // the table's message line
  clsDXBitmapFont SmallFont;                             // seat labels, the hand's story
  std::array<clsDXBitmapFont, kHandFontRows> HandFonts;  // score-page rows
};

}  // namespace verlano
