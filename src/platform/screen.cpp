#include "platform/screen.h"

#include <algorithm>

namespace verlano {

Screen MakeScreen(int width, int height) {
  Screen screen;
  screen.BackBuffer = MakeSurface(width, height);
  screen.BackRect = Rect{0, 0, width, height};
  SetClipToScreen(screen);
  return screen;
}

void SetClipToScreen(Screen& screen) {
  screen.ClipLeft = 0;
  screen.ClipTop = 0;
  screen.ClipRight = screen.BackRect.Right;
  screen.ClipBottom = screen.BackRect.Bottom;
}

void ClearBackBuffer(Screen& screen) {
  std::fill(screen.BackBuffer.Pixels.begin(), screen.BackBuffer.Pixels.end(), kBlack565);
}

void TogglePause(Screen& screen) {
  screen.Paused = !screen.Paused;
}

void BltFastClip(const Screen& screen, const Surface& src, Surface& dest, Rect r, int x, int y,
                 bool transparent) {
  // The whole picture is clipped like any other rectangle, so a picture near
  // an edge never writes outside the screen.
  if (r.Left == 0 && r.Top == 0 && r.Right == 0 && r.Bottom == 0)
    r = Rect{0, 0, src.Width, src.Height};
  if (x + (r.Right - r.Left) > screen.ClipRight) r.Right = r.Left + screen.ClipRight - x;
  if (y + (r.Bottom - r.Top) > screen.ClipBottom) r.Bottom = r.Top + screen.ClipBottom - y;
  if (x < screen.ClipLeft) {
    r.Left += screen.ClipLeft - x;
    x = screen.ClipLeft;
  }
  if (y < screen.ClipTop) {
    r.Top += screen.ClipTop - y;
    y = screen.ClipTop;
  }
  CopyRect(src, r, dest, x, y, transparent);
}

}  // namespace verlano
