#pragma once
// The window the table is shown in: full screen on the desktop or a window
// (the player's own size and place again, or the table's 800x600), a renderer that letterboxes the
// 800x600 table into whatever size the window has, and the one texture each frame's back buffer is
// uploaded to. A frame equal to the one on show is not shown again (the game redraws every frame,
// mostly unchanged while it waits for the player); a window that was uncovered, resized or switched
// shows the last frame again at the next poll, also while the game is paused and draws nothing.
// A window wider than 4:3 by a side column's width shows the column the game hands over right
// of the table: the renderer's logical size then takes in both, the table keeping its logical
// x from 0 to 800, so the pointer maps onto it as before.

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
  // The window is `width` table pixels or more wider than 4:3.
  bool HasSideMargin(int width) const;
  // Takes the column shown right of the table while the window has room for it.
  void ShowSidePanel(const Surface& panel);
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
  // Converts `picture` into `texture` (of its size); `shown` keeps what it holds.
  void Upload(SDL_Texture* texture, const Surface& picture, std::vector<std::uint16_t>& shown);

  // Declared in the order of making, so they are destroyed in reverse.
  std::optional<Subsystem> video_;
  WindowPtr window_;
  RendererPtr renderer_;
  TexturePtr texture_;
  Uint32 textureFormat_ = SDL_PIXELFORMAT_UNKNOWN;
  TexturePtr panel_;  // the side column, made at its first showing
  int panelWidth_ = 0;
  std::vector<std::uint16_t> shown_;       // the back buffer last uploaded
  std::vector<std::uint16_t> panelShown_;  // the side column last uploaded
  bool stale_ = false;
  std::optional<WindowPlace> windowed_;  // the window's place before full screen
};

}  // namespace verlano::sdl
