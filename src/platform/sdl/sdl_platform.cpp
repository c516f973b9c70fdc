#include "platform/sdl/sdl_platform.h"

#include <ctime>
#include <iostream>

#include "platform/bmp_file.h"
#include "platform/quit_signal.h"

namespace verlano {

SdlPlatform::~SdlPlatform() {
  Release();
}

// The game always asks for full screen in system memory; a window is the
// player's choice at run time (F11, Alt+Return).
bool SdlPlatform::DirectX(bool /*fullScreen*/, bool /*useVideoMemory*/, std::string& error) {
  released_ = false;
  if (!display_.Open(error)) return false;
  if (displayOpened_) displayOpened_();
  return true;
}

bool SdlPlatform::CreateSurfaceFromFile(Surface& out, const std::string& path,
                                        bool /*useVideoMemory*/, std::string& error,
                                        int& errorNumber) {
  return LoadBmpFile(path, out, error, errorNumber);
}

void SdlPlatform::FlipScreen(const Surface& backBuffer) {
  display_.Flip(backBuffer);
}

bool SdlPlatform::HasSideMargin(int width) const {
  return display_.HasSideMargin(width);
}

void SdlPlatform::ShowSidePanel(const Surface& panel) {
  display_.ShowSidePanel(panel);
}

bool SdlPlatform::DisplayAvailable() {
  return display_.Visible();
}

void SdlPlatform::ShowSystemCursor(bool show) {
  display_.ShowCursor(show);
}

// SDL reads the keyboard and the mouse with the window: nothing to create.
bool SdlPlatform::GiveMeInput(std::string& /*error*/) {
  return true;
}

bool SdlPlatform::KeyBoard(std::string& /*error*/) {
  return true;
}

bool SdlPlatform::Mouse(std::string& /*error*/) {
  input_.Reset();
  return true;
}

void SdlPlatform::PollKeyboard() {
  input_.PollKeyboard(display_);
}

void SdlPlatform::PollMouse() {
  input_.PollMouse(display_);
}

bool SdlPlatform::KeyDown(int code) const {
  return input_.KeyDown(code);
}

bool SdlPlatform::KeyPressed(int code) const {
  return input_.KeyPressed(code);
}

bool SdlPlatform::MouseButton(int button) const {
  return input_.MouseButton(button);
}

int SdlPlatform::MouseX() const {
  return input_.MouseX();
}

int SdlPlatform::MouseY() const {
  return input_.MouseY();
}

// A SIGTERM or SIGINT (a desktop logging out) ends the game like its close box.
bool SdlPlatform::CloseRequested() const {
  return input_.CloseRequested() || QuitSignalReceived() != 0;
}

void SdlPlatform::InitSound() {
  sound_.Init();
}

SoundId SdlPlatform::LoadSound(const std::string& path, std::string& error) {
  return sound_.Load(path, error);
}

void SdlPlatform::PlaySound(SoundId sound) {
  sound_.Play(sound);
}

void SdlPlatform::ReleaseSound(SoundId sound) {
  sound_.Release(sound);
}

void SdlPlatform::SetVolume(int percent) {
  sound_.SetVolume(percent);
}

std::uint64_t SdlPlatform::TickCount() {
  return SDL_GetTicks64();
}

TimeOfDay SdlPlatform::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_hour, local.tm_min};
}

void SdlPlatform::PaceFrame() {
  pacer_.Wait();
}

void SdlPlatform::Warn(const std::string& message) {
  std::cerr << "verlano: " << message << '\n';
}

void SdlPlatform::ShutDown(const std::string& message) {
  const bool canShow = display_.CanShowMessages();
  Release();
  if (message.empty()) return;
  std::cerr << message << '\n';
  // The full-screen window is gone by now, so the box is not hidden behind it.
  if (messageBox_) {
    messageBox_(message);
  } else if (canShow) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Verlano", message.c_str(), nullptr);
    SDL_Quit();  // what the box itself set up
  }
}

void SdlPlatform::Release() {
  // Once only: the shut-down and the destructor both come here.
  if (released_) return;
  released_ = true;
  display_.ShowCursor(true);
  input_.Reset();
  sound_.Close();
  display_.Close();
  SDL_Quit();
}

}  // namespace verlano
