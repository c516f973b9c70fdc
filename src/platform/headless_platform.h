#pragma once
// The platform without a machine: no window, no sound device, a fake clock and
// input scripted by the caller. The simulator and the tests drive whole games
// through it. Pictures are read for their size only unless the caller asks
// for pixels, so a simulated frame costs no drawing.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace verlano {

class HeadlessPlatform final : public Platform {
 public:
  static constexpr std::uint32_t kFrameMs = 16;  // the clock's step a frame

  // `realTime`: the game treats the run as a player's, searching beside the
  // frames instead of waiting for the searches (for measuring frame times;
  // its frames no longer replay exactly).
  explicit HeadlessPlatform(bool keepPixels = false, bool realTime = false)
      : keepPixels_(keepPixels), realTime_(realTime) {}

  // The script: what the next polls read. It holds until changed.
  void SetKey(int code, bool down);
  // A press and release between two polls: the next poll reads one press.
  void TapKey(int code);
  void SetMouse(int x, int y);
  void SetButton(int button, bool down);
  void RequestClose() { closeRequested_ = true; }
  // Moves the clock over `frames` frames at once, for a caller that knows
  // nothing but the clock would change in them.
  void SkipFrames(std::uint64_t frames) { clock_ += frames * kFrameMs; }
  // No key and no button is scripted down.
  bool InputIdle() const { return scriptedDown_ == 0 && !tapped_; }
  // A screen wider than 4:3 by `width` table pixels (0: a 4:3 screen).
  void SetSideMargin(int width) { sideMargin_ = width; }
  // Makes `DirectX` fail, as with no display.
  void FailDisplay(std::string why) { displayFailure_ = std::move(why); }
  // Makes loading the sounds whose path contains `part` fail, as a damaged WAV.
  void FailSoundsNamed(std::string part) { soundFailure_ = std::move(part); }

  // What happened.
  const std::vector<SoundId>& SoundsPlayed() const { return played_; }
  const std::vector<std::string>& SoundsLoaded() const { return loadedSounds_; }
  const std::vector<std::string>& Warnings() const { return warnings_; }
  int Flips() const { return flips_; }
  // The side columns shown, and the last one (its pixels kept when asked for).
  int SidePanelsShown() const { return sidePanels_; }
  const Surface& LastSidePanel() const { return lastSidePanel_; }
  bool IsShutDown() const { return shutDown_; }
  const std::string& ShutDownMessage() const { return shutDownMessage_; }

  bool DirectX(bool fullScreen, bool useVideoMemory, std::string& error) override;
  bool CreateSurfaceFromFile(Surface& out, const std::string& path, bool useVideoMemory,
                             std::string& error, int& errorNumber) override;
  void FlipScreen(const Surface& backBuffer) override;
  bool HasSideMargin(int width) const override { return sideMargin_ >= width; }
  void ShowSidePanel(const Surface& panel) override;
  bool DisplayAvailable() override { return true; }
  // Without pixels there is nothing to look at, so no frame is composed.
  bool ShowsFrames() const override { return keepPixels_; }
  bool KeepsRealTime() const override { return realTime_; }
  void ShowSystemCursor(bool show) override { cursorShown_ = show; }

  bool GiveMeInput(std::string&) override { return true; }
  bool KeyBoard(std::string&) override { return true; }
  bool Mouse(std::string&) override { return true; }
  void PollKeyboard() override;
  void PollMouse() override;
  bool KeyDown(int code) const override;
  bool KeyPressed(int code) const override;
  bool MouseButton(int button) const override;
  int MouseX() const override { return mouseX_; }
  int MouseY() const override { return mouseY_; }
  bool CloseRequested() const override { return closeRequested_; }

  void InitSound() override {}
  SoundId LoadSound(const std::string& path, std::string& error) override;
  void PlaySound(SoundId sound) override;
  void ReleaseSound(SoundId) override {}
  void SetVolume(int percent) override { volume_ = percent; }
  int Volume() const { return volume_; }

  std::uint64_t TickCount() override { return clock_; }
  TimeOfDay Now() override { return timeOfDay_; }
  void PaceFrame() override { clock_ += kFrameMs; }

  void Warn(const std::string& message) override { warnings_.push_back(message); }
  void ShutDown(const std::string& message) override;

 private:
  bool keepPixels_;
  bool realTime_;
  std::string displayFailure_;
  std::string soundFailure_;
  std::vector<std::string> warnings_;
  std::array<bool, 256> scriptedKeys_{};
  int scriptedDown_ = 0;  // keys and buttons scripted down
  std::array<bool, 256> keys_{};
  std::array<bool, 256> taps_{};
  bool tapped_ = false;
  std::array<bool, 256> pressed_{};
  std::array<bool, 4> scriptedButtons_{};
  std::array<bool, 4> buttons_{};
  int scriptedX_ = 400, scriptedY_ = 300;
  int mouseX_ = 400, mouseY_ = 300;
  bool closeRequested_ = false;
  bool cursorShown_ = true;
  std::uint64_t clock_ = 0;
  TimeOfDay timeOfDay_{21, 5};  // a fixed evening, so drawn frames repeat
  std::vector<std::string> loadedSounds_;
  std::vector<SoundId> played_;
  int flips_ = 0;
  int sideMargin_ = 0;
  int sidePanels_ = 0;
  Surface lastSidePanel_;
  int volume_ = 100;
  bool shutDown_ = false;
  std::string shutDownMessage_;
};

}  // namespace verlano
