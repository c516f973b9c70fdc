#include "resources/jpeg_to_bmp.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>

namespace verlano {

namespace {

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

struct RwDeleter {
  void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
};

// Room for any BMP SDL writes: the largest header, a full palette, and rows of
// four bytes a pixel padded to four bytes.
std::size_t BmpBound(const SDL_Surface& picture) {
  constexpr std::size_t kHeaders = 14 + 124 + 256 * 4;
  return kHeaders +
         static_cast<std::size_t>(picture.h) * (static_cast<std::size_t>(picture.w) * 4 + 3);
}

}  // namespace

bool EncodeJpegAsBmp(const std::string& jpegPath, std::vector<std::uint8_t>& bmp,
                     std::string& error) {
  const std::unique_ptr<SDL_Surface, SurfaceDeleter> picture(IMG_Load(jpegPath.c_str()));
  if (!picture) {
    error = "cannot decode " + jpegPath + ": " + IMG_GetError();
    return false;
  }
  bmp.resize(BmpBound(*picture));
  const std::unique_ptr<SDL_RWops, RwDeleter> memory(
      SDL_RWFromMem(bmp.data(), static_cast<int>(bmp.size())));
  if (!memory || SDL_SaveBMP_RW(picture.get(), memory.get(), 0) != 0) {
    error = "cannot encode " + jpegPath + " as a BMP: " + SDL_GetError();
    return false;
  }
  bmp.resize(static_cast<std::size_t>(SDL_RWtell(memory.get())));
  return true;
}

}  // namespace verlano
