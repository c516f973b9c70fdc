#pragma once
// What the game needs of the machine: a display to show the back buffer on,
// pictures loaded from files, the keyboard and the mouse polled once a frame,
// sound effects, the millisecond clock and the time of day, and a way to tell
// the user about a fatal error. The SDL implementation drives a real window;
// the headless one scripts input and fakes the clock for tests and the simulator.

#include <cstdint>
#include <string>

#include "platform/surface.h"

namespace verlano {

// Key codes the game reads (the classic keyboard scan codes).
inline constexpr int kKeyEscape = 1;
inline constexpr int kKeyR = 19;
inline constexpr int kKeyP = 25;
inline constexpr int kKeyM = 50;
inline constexpr int kKeyH = 35;
inline constexpr int kKeySpace = 57;
inline constexpr int kKeyU = 22;  // takes back the player's last play, when allowed
// The keys that play the cards without the mouse.
inline constexpr int kKeyBackspace = 14;
inline constexpr int kKeyTab = 15;
inline constexpr int kKeyReturn = 28;
inline constexpr int kKeyLeft = 203;
inline constexpr int kKeyRight = 205;
// The digit keys 1 to 9 are 2 to 10, and 0 is 11.
inline constexpr int kKeyDigit1 = 2;
inline constexpr int kKeyDigit0 = 11;
// On the score page W (N) and T (L) open our and their pile.
inline constexpr int kKeyW = 17;
inline constexpr int kKeyT = 20;
inline constexpr int kKeyN = 49;
inline constexpr int kKeyL = 38;
inline constexpr int kKeyV = 47;
// S shows or hides the hand's story over a 4:3 table.
inline constexpr int kKeyS = 31;

inline constexpr int kMouseLeft = 0;
inline constexpr int kMouseRight = 1;

// A loaded sound; 0 is none (not loaded, or no sound device).
using SoundId = int;

struct TimeOfDay {
  int Hour = 0;  // 0..23
  int Minute = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Display. False with `error` set (the description of a fatal message) when
  // the display cannot be made.
  virtual bool DirectX(bool fullScreen, bool useVideoMemory, std::string& error) = 0;
  // Loads a BMP into `out` in RGB565, the picture's own size, no colour key.
  // On failure `error` says why and `errorNumber` is the system's error of
  // opening the file (ENOENT for a missing one), or EINVAL for a file that
  // opened but is no picture the game can use.
  virtual bool CreateSurfaceFromFile(Surface& out, const std::string& path, bool useVideoMemory,
                                     std::string& error, int& errorNumber) = 0;
  // Shows the back buffer.
  virtual void FlipScreen(const Surface& backBuffer) = 0;
  // The screen has room beside the table for a column `width` pixels wide
  // at the table's scale (it is that much wider than 4:3).
  virtual bool HasSideMargin(int /*width*/) const { return false; }
  // The column shown in that margin, right of the table, from the next flip
  // on; a platform without the margin shows nothing of it.
  virtual void ShowSidePanel(const Surface& /*panel*/) {}
  // False while the window cannot be drawn to (minimised, for one).
  virtual bool DisplayAvailable() = 0;
  // False when nobody looks at the frames (a headless run without pixels):
  // the game then skips composing them, which changes nothing of the game.
  virtual bool ShowsFrames() const { return true; }
  // False on a fake clock, where a frame takes no time: the game then waits
  // for work in the background where a real run would let frames go by, so
  // that the run replays exactly.
  virtual bool KeepsRealTime() const { return true; }
  virtual void ShowSystemCursor(bool show) = 0;

  // Input. Each polls once per frame; the answers hold until the next poll.
  virtual bool GiveMeInput(std::string& error) = 0;
  virtual bool KeyBoard(std::string& error) = 0;
  virtual bool Mouse(std::string& error) = 0;
  virtual void PollKeyboard() = 0;  // also takes the window's events
  virtual void PollMouse() = 0;
  virtual bool KeyDown(int code) const = 0;
  // A press of the key began since the last poll: two taps in frames in a row
  // are two presses, where KeyDown would read one long press.
  virtual bool KeyPressed(int code) const = 0;
  virtual bool MouseButton(int button) const = 0;
  virtual int MouseX() const = 0;  // 0..800 on the 800x600 table
  virtual int MouseY() const = 0;
  // The window's close box was used since the start.
  virtual bool CloseRequested() const = 0;

  // Sound. Without a device every call does nothing and loads give 0. With
  // one, a file that cannot be read also gives 0, with the reason in `error`.
  virtual void InitSound() = 0;
  virtual SoundId LoadSound(const std::string& path, std::string& error) = 0;
  virtual void PlaySound(SoundId sound) = 0;  // a sound still playing is not restarted
  virtual void ReleaseSound(SoundId sound) = 0;
  // The loudness of every sound loaded so far, 0 to 100 percent; a platform
  // without sound has nothing to set.
  virtual void SetVolume(int /*percent*/) {}

  // Time: milliseconds since some start (wraps only after 584 million years),
  // and the local time of day for the table's clock.
  virtual std::uint64_t TickCount() = 0;
  virtual TimeOfDay Now() = 0;
  // Waits as long as the frame cap asks; called once per pass of the loop,
  // whether or not the frame was drawn.
  virtual void PaceFrame() = 0;

  // A problem the game plays on through (a sound it cannot read): told on
  // standard error, no message box.
  virtual void Warn(const std::string& message) = 0;

  // Releases input, sound and the display, then shows `message` (if any) on
  // standard error and in a message box where a display exists.
  virtual void ShutDown(const std::string& message) = 0;
};

// The three-line fatal message: "Error in function NAME() ", "Error Number: N",
// the description.
std::string PlatformErrorMessage(const std::string& routine, int number,
                                 const std::string& description);

}  // namespace verlano
