#pragma once
// The game's platform on a real machine with SDL2: a full-screen desktop
// window showing the 800x600 table letterboxed, the keyboard and mouse read
// from SDL, sound effects on SDL_mixer, the clock, and the fatal message on
// standard error and in a message box.

#include <functional>
#include <string>

#include "platform/platform.h"
#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_sound.h"

namespace verlano {

class SdlPlatform final : public Platform {
 public:
  // Shows a fatal message to the player and waits until it is dismissed.
  using MessageBox = std::function<void(const std::string& message)>;

  // `messageBox` replaces SDL's own box, which an X server without core
  // fonts cannot show; it must work without the game window. `displayOpened`
  // runs once the window is up (to take back what SDL installed for itself).
  explicit SdlPlatform(MessageBox messageBox = {}, std::function<void()> displayOpened = {})
      : messageBox_(std::move(messageBox)), displayOpened_(std::move(displayOpened)) {}
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  bool DirectX(bool fullScreen, bool useVideoMemory, std::string& error) override;
  bool CreateSurfaceFromFile(Surface& out, const std::string& path, bool useVideoMemory,
                             std::string& error, int& errorNumber) override;
  void FlipScreen(const Surface& backBuffer) override;
  bool HasSideMargin(int width) const override;
  void ShowSidePanel(const Surface& panel) override;
  bool DisplayAvailable() override;
  void ShowSystemCursor(bool show) override;

  bool GiveMeInput(std::string& error) override;
  bool KeyBoard(std::string& error) override;
  bool Mouse(std::string& error) override;
  void PollKeyboard() override;
  void PollMouse() override;
  bool KeyDown(int code) const override;
  bool KeyPressed(int code) const override;
  bool MouseButton(int button) const override;
  int MouseX() const override;
  int MouseY() const override;
  bool CloseRequested() const override;

  void InitSound() override;
  SoundId LoadSound(const std::string& path, std::string& error) override;
  void PlaySound(SoundId sound) override;
  void ReleaseSound(SoundId sound) override;
  void SetVolume(int percent) override;

  std::uint64_t TickCount() override;
  TimeOfDay Now() override;
  void PaceFrame() override;

  void Warn(const std::string& message) override;
  void ShutDown(const std::string& message) override;

 private:
  // Everything held, in the order input, sound, display, then SDL itself.
  void Release();

  sdl::SdlDisplay display_;
  sdl::SdlInput input_;
  sdl::SdlSound sound_;
  sdl::FramePacer pacer_;
  MessageBox messageBox_;
  std::function<void()> displayOpened_;
  bool released_ = false;
};

}  // namespace verlano
