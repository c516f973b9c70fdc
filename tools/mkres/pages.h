#pragma once
// The table's own pictures: the green baize background, the paper score sheet
// that closes every hand, the two pen lines ruled on it, and the mouse cursor.
// Sizes and positions follow where the game draws them, so the sheet fits on
// screen at its corner and its binding strip reads well alone at the right edge.

#include "picture.h"

namespace verlano::mkres {

inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;

// The game draws the sheet at this corner at the end of a hand, and shows its
// left strip at the right edge of the table during play.
inline constexpr int kScorePageX = 156;
inline constexpr int kScorePageY = 4;
inline constexpr int kScoreStripX = 780;
inline constexpr int kScoreStripY = 5;
inline constexpr int kScorePageWidth = 488;
inline constexpr int kScorePageHeight = 592;
inline constexpr int kBindingWidth = 20;

// Horizontal rules start at x 223 and end short of the sheet's right edge; the
// column rule runs from y 64 past the totals row at y 438.
inline constexpr int kHorizontalLineLength = 340;
inline constexpr int kVerticalLineLength = 400;
inline constexpr int kPenLineThickness = 7;

inline constexpr int kCursorSize = 32;
inline constexpr int kCursorHotSpot = 16;

enum class LineDirection { Horizontal, Vertical };

Surface DrawTableBackground();  // 800 x 600, opaque
Surface DrawScorePage();        // transparent outside the paper
Surface DrawPenLine(LineDirection direction);
Surface DrawCursor();  // a reticle centred on the hot spot

}  // namespace verlano::mkres
