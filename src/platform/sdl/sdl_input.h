#pragma once
// The keyboard and the mouse as the game polls them: one snapshot a frame of
// the keys it reads, the buttons (with presses too short to be seen held) and
// the pointer on the table. Draining the window's events also catches the
// close box and the full-screen switch.

#include <array>
#include <bitset>
#include <cstdint>

#include "platform/sdl/input_map.h"
#include "platform/sdl/sdl_display.h"

namespace verlano::sdl {

class SdlInput {
 public:
  // Starts from the middle of the table with nothing down.
  void Reset();

  // Drains the event queue (the close box, the full-screen switch, mouse
  // presses), then takes the keyboard's snapshot.
  void PollKeyboard(SdlDisplay& display);
  void PollMouse(const SdlDisplay& display);

  bool KeyDown(int code) const;
  bool KeyPressed(int code) const;
  bool MouseButton(int button) const;
  int MouseX() const { return mouse_.X; }
  int MouseY() const { return mouse_.Y; }
  bool CloseRequested() const { return closeRequested_; }

 private:
  void TakeEvent(const SDL_Event& event, SdlDisplay& display);

  std::array<bool, 256> keys_{};
  std::array<bool, 256> pressed_{};
  ButtonMemory presses_;
  // Keys pressed during this frame's events: a tap shorter than a frame still
  // reads as down once.
  std::bitset<SDL_NUM_SCANCODES> keyTaps_;
  // The same, without the repeats of a key held down.
  std::bitset<SDL_NUM_SCANCODES> keyPresses_;
  std::uint8_t buttons_ = 0;
  TablePoint mouse_{kTableWidth / 2, kTableHeight / 2};
  bool closeRequested_ = false;
};

}  // namespace verlano::sdl
