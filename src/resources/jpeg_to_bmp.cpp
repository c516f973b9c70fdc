#include "resources/jpeg_to_bmp.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>

namespace verlano {

namespace {

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

}  // namespace

bool ConvertJpegToBmp(const std::string& jpegPath, const std::string& bmpPath, std::string& error) {
  const std::unique_ptr<SDL_Surface, SurfaceDeleter> picture(IMG_Load(jpegPath.c_str()));
  if (!picture) {
    error = "cannot decode " + jpegPath + ": " + IMG_GetError();
    return false;
  }
  if (SDL_SaveBMP(picture.get(), bmpPath.c_str()) != 0) {
    error = "cannot write " + bmpPath + ": " + SDL_GetError();
    return false;
  }
  return true;
}

}  // namespace verlano
