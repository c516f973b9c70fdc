#include "platform/headless_platform.h"

#include <algorithm>

#include "platform/bmp_file.h"

namespace verlano {

void HeadlessPlatform::SetKey(int code, bool down) {
  if (code < 0 || code >= 256 || scriptedKeys_[code] == down) return;
  scriptedKeys_[code] = down;
  scriptedDown_ += down ? 1 : -1;
}

void HeadlessPlatform::TapKey(int code) {
  if (code < 0 || code >= 256) return;
  taps_[static_cast<std::size_t>(code)] = true;
  tapped_ = true;
}

void HeadlessPlatform::PollKeyboard() {
  for (std::size_t k = 0; k < keys_.size(); ++k) {
    pressed_[k] = (scriptedKeys_[k] && !keys_[k]) || taps_[k];
    keys_[k] = scriptedKeys_[k] || taps_[k];
  }
  taps_ = {};
  tapped_ = false;
}

void HeadlessPlatform::SetMouse(int x, int y) {
  scriptedX_ = x;
  scriptedY_ = y;
}

void HeadlessPlatform::SetButton(int button, bool down) {
  if (button < 0 || button >= 4 || scriptedButtons_[button] == down) return;
  scriptedButtons_[button] = down;
  scriptedDown_ += down ? 1 : -1;
}

bool HeadlessPlatform::DirectX(bool, bool, std::string& error) {
  if (displayFailure_.empty()) return true;
  error = displayFailure_;
  return false;
}

bool HeadlessPlatform::CreateSurfaceFromFile(Surface& out, const std::string& path, bool,
                                             std::string& error, int& errorNumber) {
  return keepPixels_ ? LoadBmpFile(path, out, error, errorNumber)
                     : ReadBmpSize(path, out, error, errorNumber);
}

void HeadlessPlatform::FlipScreen(const Surface&) {
  ++flips_;
}

void HeadlessPlatform::ShowSidePanel(const Surface& panel) {
  ++sidePanels_;
  if (keepPixels_) lastSidePanel_ = panel;
}

void HeadlessPlatform::PollMouse() {
  // The table's bounds, maxima included.
  mouseX_ = std::clamp(scriptedX_, 0, 800);
  mouseY_ = std::clamp(scriptedY_, 0, 600);
  buttons_ = scriptedButtons_;
}

bool HeadlessPlatform::KeyDown(int code) const {
  return code > 0 && code < 256 && keys_[code];
}

bool HeadlessPlatform::KeyPressed(int code) const {
  return code > 0 && code < 256 && pressed_[code];
}

bool HeadlessPlatform::MouseButton(int button) const {
  return button >= 0 && button < 4 && buttons_[button];
}

SoundId HeadlessPlatform::LoadSound(const std::string& path, std::string& error) {
  if (!soundFailure_.empty() && path.find(soundFailure_) != std::string::npos) {
    error = "Cannot read the sound " + path + ": damaged";
    return 0;
  }
  loadedSounds_.push_back(path);
  return static_cast<SoundId>(loadedSounds_.size());
}

void HeadlessPlatform::PlaySound(SoundId sound) {
  if (sound != 0) played_.push_back(sound);
}

void HeadlessPlatform::ShutDown(const std::string& message) {
  shutDown_ = true;
  shutDownMessage_ = message;
}

}  // namespace verlano
