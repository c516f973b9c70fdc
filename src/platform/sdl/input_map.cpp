#include "platform/sdl/input_map.h"

#include <algorithm>
#include <cmath>

#include "platform/platform.h"

namespace verlano::sdl {

SDL_Scancode ScanCodeFor(int code) {
  switch (code) {
    case kKeyEscape:
      return SDL_SCANCODE_ESCAPE;
    case kKeyR:
      return SDL_SCANCODE_R;
    case kKeyP:
      return SDL_SCANCODE_P;
    case kKeyM:
      return SDL_SCANCODE_M;
    case kKeyH:
      return SDL_SCANCODE_H;
    case kKeySpace:
      return SDL_SCANCODE_SPACE;
    case kKeyU:
      return SDL_SCANCODE_U;
    case kKeyBackspace:
      return SDL_SCANCODE_BACKSPACE;
    case kKeyTab:
      return SDL_SCANCODE_TAB;
    case kKeyReturn:
      return SDL_SCANCODE_RETURN;
    case kKeyLeft:
      return SDL_SCANCODE_LEFT;
    case kKeyRight:
      return SDL_SCANCODE_RIGHT;
    case kKeyDigit0:
      return SDL_SCANCODE_0;
    case kKeyW:
      return SDL_SCANCODE_W;
    case kKeyT:
      return SDL_SCANCODE_T;
    case kKeyN:
      return SDL_SCANCODE_N;
    case kKeyL:
      return SDL_SCANCODE_L;
    case kKeyV:
      return SDL_SCANCODE_V;
    case kKeyS:
      return SDL_SCANCODE_S;
    default:
      // SDL numbers 1 to 9 in a row, as the game does.
      if (code >= kKeyDigit1 && code < kKeyDigit0) {
        return static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (code - kKeyDigit1));
      }
      return SDL_SCANCODE_UNKNOWN;
  }
}

int GameButton(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return kMouseLeft;
    case SDL_BUTTON_RIGHT:
      return kMouseRight;
    case SDL_BUTTON_MIDDLE:
      return 2;
    case SDL_BUTTON_X1:
      return 3;
    default:
      return -1;
  }
}

TablePoint ClampToTable(float logicalX, float logicalY) {
  // Clamp as floats first: a pointer far outside the window must not overflow an int.
  const float x = std::clamp(std::floor(logicalX), 0.0F, static_cast<float>(kTableWidth));
  const float y = std::clamp(std::floor(logicalY), 0.0F, static_cast<float>(kTableHeight));
  return {static_cast<int>(x), static_cast<int>(y)};
}

void ButtonMemory::Press(int button) {
  if (button >= 0 && button < kMouseButtons) pressed_ |= static_cast<std::uint8_t>(1U << button);
}

std::uint8_t HeldButtons(Uint32 sdlMask) {
  std::uint8_t held = 0;
  for (Uint8 b = SDL_BUTTON_LEFT; b <= SDL_BUTTON_X2; ++b) {
    const int game = GameButton(b);
    if (game >= 0 && (sdlMask & SDL_BUTTON(b)) != 0) held |= static_cast<std::uint8_t>(1U << game);
  }
  return held;
}

bool IsDisplayToggle(SDL_Keycode key, Uint16 mod, bool repeat) {
  if (repeat) return false;
  return key == SDLK_F11 || (key == SDLK_RETURN && (mod & KMOD_ALT) != 0);
}

bool LosesPicture(Uint8 windowEvent) {
  switch (windowEvent) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
      return true;
    default:
      return false;
  }
}

WindowSize FitTableWindow(int usableWidth, int usableHeight) {
  // Unknown bounds (0 or less) leave the table's own size.
  if (usableWidth <= 0 || usableHeight <= 0) return {kTableWidth, kTableHeight};
  const int height =
      std::min({kTableHeight, usableHeight, usableWidth * kTableHeight / kTableWidth});
  return {height * kTableWidth / kTableHeight, height};
}

WindowPlace WindowAfterFullScreen(const std::optional<WindowPlace>& last,
                                  const WindowPlace& usable) {
  const bool known = usable.Width > 0 && usable.Height > 0;
  if (!known) {
    if (last) return *last;
    return {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kTableWidth, kTableHeight};
  }
  if (last && last->Width <= usable.Width && last->Height <= usable.Height) {
    const int x = std::clamp(last->X, usable.X, usable.X + usable.Width - last->Width);
    const int y = std::clamp(last->Y, usable.Y, usable.Y + usable.Height - last->Height);
    return {x, y, last->Width, last->Height};
  }
  const WindowSize size = FitTableWindow(usable.Width, usable.Height);
  return {usable.X + (usable.Width - size.Width) / 2, usable.Y + (usable.Height - size.Height) / 2,
          size.Width, size.Height};
}

}  // namespace verlano::sdl
