#pragma once
// The small rules that turn SDL's input into what the game reads: the classic
// scan codes, the game's button numbers, the mouse held to the table, a press
// remembered until the frame that polls it, the keys that switch between full
// screen and a window, and the window given back. Pure, so the tests drive
// them without a window.

#include <SDL.h>

#include <cstdint>
#include <optional>

namespace verlano::sdl {

inline constexpr int kTableWidth = 800;
inline constexpr int kTableHeight = 600;
inline constexpr int kMouseButtons = 4;

// The SDL key of a classic scan code the game reads; SDL_SCANCODE_UNKNOWN for
// every other code, in range or not.
SDL_Scancode ScanCodeFor(int code);

// The game's button number (0 left, 1 right, 2 middle, 3 first extra) of an
// SDL button, or -1.
int GameButton(Uint8 sdlButton);

struct TablePoint {
  int X = 0, Y = 0;
};

// A point in table (logical) coordinates, rounded down and held to 0..800 and
// 0..600: the letterbox bars map outside the table.
TablePoint ClampToTable(float logicalX, float logicalY);

struct WindowSize {
  int Width = 0, Height = 0;
};

// The window F11 leaves full screen for: the table's 800x600, shrunk to the
// 4:3 shape that fits the desktop's usable area when that is smaller.
WindowSize FitTableWindow(int usableWidth, int usableHeight);

// A window's place and size on the desktop.
struct WindowPlace {
  int X = 0, Y = 0, Width = 0, Height = 0;
  bool operator==(const WindowPlace&) const = default;
};

// The window F11 leaves full screen for: the size and place it had before it
// went full screen (`last`), moved onto the desktop's usable area if the
// screen has changed; the first time, or when that size no longer fits,
// `FitTableWindow`'s size centred in the usable area (unknown bounds, all 0:
// centred by SDL).
WindowPlace WindowAfterFullScreen(const std::optional<WindowPlace>& last,
                                  const WindowPlace& usable);

// A click can be pressed and released between two polls; the press is kept
// for the frame whose events contained it, so that frame sees the button down.
class ButtonMemory {
 public:
  void StartFrame() { pressed_ = 0; }
  void Press(int button);
  // Buttons held now or pressed during this frame's events, bit i for button i.
  std::uint8_t Down(std::uint8_t held) const { return held | pressed_; }

 private:
  std::uint8_t pressed_ = 0;
};

// Game buttons held, from SDL_GetMouseState's mask.
std::uint8_t HeldButtons(Uint32 sdlMask);

// F11 or Alt+Return, not a key repeat.
bool IsDisplayToggle(SDL_Keycode key, Uint16 mod, bool repeat);

// A window event after which the window must be painted again: uncovered,
// resized, shown or restored.
bool LosesPicture(Uint8 windowEvent);

}  // namespace verlano::sdl
