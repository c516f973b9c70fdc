#include "platform/sdl/sdl_display.h"

#include <cstring>

namespace verlano::sdl {

namespace {

std::string Failed(const char* what) {
  return std::string(what) + ": " + SDL_GetError();
}

// A window without a frame may have no window manager to give it the
// screen's size for full screen, and the table would be drawn for the screen
// into the smaller window: it is made the screen's size first, as at the
// start. A framed window is left to its manager, which keeps its place for
// the way back.
void CoverScreenIfUnframed(SDL_Window* window) {
  int top = 0, left = 0, bottom = 0, right = 0;
  if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0 ||
      top + left + bottom + right != 0) {
    return;
  }
  SDL_Rect screen{};
  if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &screen) != 0) return;
  SDL_SetWindowPosition(window, screen.x, screen.y);
  SDL_SetWindowSize(window, screen.w, screen.h);
}

}  // namespace

bool SdlDisplay::Open(std::string& error) {
  video_.emplace(SDL_INIT_VIDEO);
  if (!video_->Started()) {
    error = Failed(
        "No display is available (DISPLAY is not set or the X server refused the connection)");
    video_.reset();
    return false;
  }
  return MakeWindow(error) && MakeRenderer(error);
}

bool SdlDisplay::MakeWindow(std::string& error) {
  // Created at the desktop's size: without a window manager a smaller window
  // would stay small and crop the picture.
  SDL_DisplayMode desktop{};
  if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
    error = Failed("Cannot read the desktop's display mode");
    return false;
  }
  window_.reset(SDL_CreateWindow("Verlano", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                 desktop.w, desktop.h, SDL_WINDOW_FULLSCREEN_DESKTOP));
  if (!window_) {
    error = Failed("Cannot create the game window");
    return false;
  }
  // The keys go to the table from the start, also where no window manager
  // hands the focus over (the dialog that had it is gone).
  SDL_RaiseWindow(window_.get());
  return true;
}

bool SdlDisplay::MakeRenderer(std::string& error) {
  renderer_.reset(
      SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC));
  if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!renderer_) {
    error = Failed("Cannot create a renderer for the game window");
    return false;
  }
  if (SDL_RenderSetLogicalSize(renderer_.get(), kTableWidth, kTableHeight) != 0) {
    error = Failed("Cannot set the table's size on the renderer");
    return false;
  }
  // Read when the texture is made: a window of another size is scaled smoothly.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  // In the window's own format a software renderer scales the table straight
  // into the window; from RGB565 it takes a slow per-pixel path (3x the time).
  textureFormat_ = SDL_GetWindowPixelFormat(window_.get());
  texture_.reset(SDL_CreateTexture(renderer_.get(), textureFormat_, SDL_TEXTUREACCESS_STREAMING,
                                   kTableWidth, kTableHeight));
  if (!texture_) {
    textureFormat_ = SDL_PIXELFORMAT_RGB565;
    texture_.reset(SDL_CreateTexture(renderer_.get(), textureFormat_, SDL_TEXTUREACCESS_STREAMING,
                                     kTableWidth, kTableHeight));
  }
  if (!texture_) {
    error = Failed("Cannot create the screen texture");
    return false;
  }
  return true;
}

void SdlDisplay::Close() {
  shown_.clear();
  panelShown_.clear();
  stale_ = false;
  panel_.reset();
  panelWidth_ = 0;
  texture_.reset();
  renderer_.reset();
  window_.reset();
  video_.reset();
}

bool SdlDisplay::CanShowMessages() const {
  if (!video_) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr && std::strcmp(driver, "dummy") != 0 &&
         std::strcmp(driver, "offscreen") != 0;
}

bool SdlDisplay::Visible() const {
  if (!window_) return false;
  return (SDL_GetWindowFlags(window_.get()) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) == 0;
}

void SdlDisplay::Flip(const Surface& backBuffer) {
  if (!IsOpen()) return;
  // The texture is the table's size; a buffer of any other size is not shown.
  const bool fits = backBuffer.HasPixels() && backBuffer.Width == kTableWidth &&
                    backBuffer.Height == kTableHeight;
  if (fits && backBuffer.Pixels == shown_ && !stale_) return;
  if (fits) Upload(texture_.get(), backBuffer, shown_);
  Present();
}

void SdlDisplay::Upload(SDL_Texture* texture, const Surface& picture,
                        std::vector<std::uint16_t>& shown) {
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0) return;
  SDL_ConvertPixels(picture.Width, picture.Height, SDL_PIXELFORMAT_RGB565, picture.Pixels.data(),
                    picture.Width * static_cast<int>(sizeof(picture.Pixels[0])), textureFormat_,
                    pixels, pitch);
  SDL_UnlockTexture(texture);
  shown = picture.Pixels;
}

bool SdlDisplay::HasSideMargin(int width) const {
  int w = 0, h = 0;
  if (!renderer_ || SDL_GetRendererOutputSize(renderer_.get(), &w, &h) != 0) return false;
  return static_cast<long long>(w) * kTableHeight >=
         static_cast<long long>(h) * (kTableWidth + width);
}

void SdlDisplay::ShowSidePanel(const Surface& panel) {
  if (!IsOpen() || !panel.HasPixels() || panel.Height != kTableHeight) return;
  if (!panel_ || panelWidth_ != panel.Width) {
    panelShown_.clear();
    panelWidth_ = panel.Width;
    panel_.reset(SDL_CreateTexture(renderer_.get(), textureFormat_, SDL_TEXTUREACCESS_STREAMING,
                                   panel.Width, panel.Height));
  }
  if (!panel_ || panel.Pixels == panelShown_) return;
  Upload(panel_.get(), panel, panelShown_);
  // Shown with the next flip, even when the table has not changed.
  stale_ = true;
}

void SdlDisplay::ShowAgainIfStale() {
  if (stale_ && IsOpen()) Present();
}

void SdlDisplay::Present() {
  SDL_Renderer* renderer = renderer_.get();
  // The column joins the logical area only where the window has room for it.
  const bool side = panel_ && HasSideMargin(panelWidth_);
  const int logicalWidth = side ? kTableWidth + panelWidth_ : kTableWidth;
  int w = 0, h = 0;
  SDL_RenderGetLogicalSize(renderer, &w, &h);
  if (w != logicalWidth) SDL_RenderSetLogicalSize(renderer, logicalWidth, kTableHeight);
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer);
  const SDL_Rect table{0, 0, kTableWidth, kTableHeight};
  SDL_RenderCopy(renderer, texture_.get(), nullptr, &table);
  if (side) {
    const SDL_Rect column{kTableWidth, 0, panelWidth_, kTableHeight};
    SDL_RenderCopy(renderer, panel_.get(), nullptr, &column);
  }
  SDL_RenderPresent(renderer);
  stale_ = false;
}

void SdlDisplay::ToggleFullScreen() {
  if (!window_) return;
  stale_ = true;
  SDL_Window* window = window_.get();
  if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
    SDL_SetWindowFullscreen(window, 0);
    // Leaving full screen restores the size the window was made with (the
    // desktop's): give back the player's own window, or one the table's size.
    SDL_SetWindowResizable(window, SDL_TRUE);
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window), &usable) != 0) usable = {};
    const WindowPlace place =
        WindowAfterFullScreen(windowed_, WindowPlace{usable.x, usable.y, usable.w, usable.h});
    SDL_SetWindowSize(window, place.Width, place.Height);
    SDL_SetWindowPosition(window, place.X, place.Y);
  } else {
    WindowPlace place;
    SDL_GetWindowPosition(window, &place.X, &place.Y);
    SDL_GetWindowSize(window, &place.Width, &place.Height);
    windowed_ = place;
    CoverScreenIfUnframed(window);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
}

void SdlDisplay::ShowCursor(bool show) {
  if (video_) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

TablePoint SdlDisplay::ToTable(int windowX, int windowY) const {
  if (!renderer_) return ClampToTable(static_cast<float>(windowX), static_cast<float>(windowY));
  float x = 0;
  float y = 0;
  SDL_RenderWindowToLogical(renderer_.get(), windowX, windowY, &x, &y);
  return ClampToTable(x, y);
}

}  // namespace verlano::sdl
