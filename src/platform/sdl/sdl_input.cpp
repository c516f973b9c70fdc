#include "platform/sdl/sdl_input.h"

namespace verlano::sdl {

void SdlInput::Reset() {
  *this = SdlInput{};
}

void SdlInput::PollKeyboard(SdlDisplay& display) {
  presses_.StartFrame();
  keyTaps_.reset();
  keyPresses_.reset();
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) TakeEvent(event, display);
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  display.ShowAgainIfStale();
  for (int code = 0; code < static_cast<int>(keys_.size()); ++code) {
    const SDL_Scancode key = ScanCodeFor(code);
    const bool known = key != SDL_SCANCODE_UNKNOWN;
    keys_[code] = known && ((key < count && state[key] != 0) || keyTaps_[key]);
    pressed_[code] = known && keyPresses_[key];
  }
}

void SdlInput::TakeEvent(const SDL_Event& event, SdlDisplay& display) {
  switch (event.type) {
    case SDL_QUIT:
      closeRequested_ = true;
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) closeRequested_ = true;
      if (LosesPicture(event.window.event)) display.MarkStale();
      break;
    case SDL_KEYDOWN:
      if (event.key.keysym.scancode < SDL_NUM_SCANCODES) {
        keyTaps_.set(event.key.keysym.scancode);
        if (event.key.repeat == 0) keyPresses_.set(event.key.keysym.scancode);
      }
      if (IsDisplayToggle(event.key.keysym.sym, event.key.keysym.mod, event.key.repeat != 0)) {
        display.ToggleFullScreen();
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      presses_.Press(GameButton(event.button.button));
      break;
    default:
      break;
  }
}

void SdlInput::PollMouse(const SdlDisplay& display) {
  // Without a window there is no pointer: keep the last position.
  if (!display.IsOpen()) return;
  int x = 0;
  int y = 0;
  const Uint32 mask = SDL_GetMouseState(&x, &y);
  mouse_ = display.ToTable(x, y);
  buttons_ = presses_.Down(HeldButtons(mask));
}

bool SdlInput::KeyDown(int code) const {
  return code >= 0 && code < static_cast<int>(keys_.size()) && keys_[code];
}

bool SdlInput::KeyPressed(int code) const {
  return code >= 0 && code < static_cast<int>(pressed_.size()) && pressed_[code];
}

bool SdlInput::MouseButton(int button) const {
  return button >= 0 && button < kMouseButtons && (buttons_ & (1U << button)) != 0;
}

}  // namespace verlano::sdl
