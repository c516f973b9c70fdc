#pragma once
// The back buffer every frame is drawn on, its clip rectangle and the pause
// flag, with the copy that clips to the screen. Plain data: the display shows
// the back buffer with `Platform::FlipScreen`.

#include "platform/surface.h"

namespace verlano {

struct Screen {
  Surface BackBuffer;  // ScreenWidth x ScreenHeight
  Rect BackRect;       // the whole back buffer
  std::int32_t ClipLeft = 0, ClipTop = 0, ClipRight = 0, ClipBottom = 0;
  bool Paused = false;  // toggled by P: while set nothing is drawn
};

// A back buffer of the given size, cleared, with the clip on the whole screen.
Screen MakeScreen(int width, int height);

void SetClipToScreen(Screen& screen);
void ClearBackBuffer(Screen& screen);
void TogglePause(Screen& screen);

// Copies `srcRect` of `src` to (x, y) of `dest`, cut to the clip rectangle:
// right edge, bottom edge, then left and top (which move the position to the
// clip edge). A rectangle of all zeros stands for the whole source picture and
// is clipped the same way.
void BltFastClip(const Screen& screen, const Surface& src, Surface& dest, Rect srcRect, int x,
                 int y, bool transparent);

}  // namespace verlano
