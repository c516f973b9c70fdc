#pragma once
// The window the table is shown in: full screen on the desktop or a window
// (the player's own size and place again, or the table's 800x600), a renderer that letterboxes the
// 800x600 table into whatever size the window has, and the one texture each frame's back buffer is
// uploaded to. A frame equal to the one on show is not shown again (the game redraws every frame,
// mostly unchanged while it waits for the player); a window that was uncovered, resized or switched
// shows the last frame again at the next poll, also while the game is paused and draws nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdl/input_map.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/surface.h"

namespace verlano::sdl {

class SdlDisplay {
 public:
  // False with the reason in `error`; whatever was made is kept for Close.
  bool Open(std::string& error);
  // Destroys the texture, the renderer and the window, then stops video.
  void Close();

  bool IsOpen() const { return texture_ != nullptr; }
  // Video is running on a driver that shows things to a person (not the
  // dummy or offscreen drivers of tests), so a message box can be seen.
  bool CanShowMessages() const;
  // False while minimised or hidden.
  bool Visible() const;

  void Flip(const Surface& backBuffer);
  // The window's picture was lost or resized: show the last frame again.
  void MarkStale() { stale_ = true; }
  void ShowAgainIfStale();
  void ToggleFullScreen();
  void ShowCursor(bool show);
  // A point in window coordinates on the table, held to its edges.
  TablePoint ToTable(int windowX, int windowY) const;

 private:
  bool MakeWindow(std::string& error);
  bool MakeRenderer(std::string& error);
  void Present();

  // Declared in the order of making, so they are destroyed in reverse.
  std::optional<Subsystem> video_;
  WindowPtr window_;
  RendererPtr renderer_;
  TexturePtr texture_;
  Uint32 textureFormat_ = SDL_PIXELFORMAT_UNKNOWN;
  std::vector<std::uint16_t> shown_;  // the back buffer last uploaded
  bool stale_ = false;
  std::optional<WindowPlace> windowed_;  // the window's place before full screen
};

}  // namespace verlano::sdl
