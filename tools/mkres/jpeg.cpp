#include "jpeg.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace verlano::mkres {

namespace {

struct SdlSurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

struct RwDeleter {
  void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
};

// Loads the JPEG codec for the duration of one encoding.
class JpegCodec {
 public:
  JpegCodec() {
    if ((IMG_Init(IMG_INIT_JPG) & IMG_INIT_JPG) == 0) {
      throw std::runtime_error(std::string("cannot load the JPEG codec: ") + IMG_GetError());
    }
  }
  ~JpegCodec() { IMG_Quit(); }
  JpegCodec(const JpegCodec&) = delete;
  JpegCodec& operator=(const JpegCodec&) = delete;
};

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const Surface& surface, int quality) {
  cairo_surface_t* s = surface.get();
  cairo_surface_flush(s);
  const int width = cairo_image_surface_get_width(s);
  const int height = cairo_image_surface_get_height(s);
  // Cairo's ARGB32 is a native-endian 0xAARRGGBB word: SDL's ARGB8888.
  std::unique_ptr<SDL_Surface, SdlSurfaceDeleter> view(SDL_CreateRGBSurfaceWithFormatFrom(
      cairo_image_surface_get_data(s), width, height, 32, cairo_image_surface_get_stride(s),
      SDL_PIXELFORMAT_ARGB8888));
  if (!view) throw std::runtime_error(std::string("cannot wrap the picture: ") + SDL_GetError());
  // A JPEG never outgrows the raw pixels plus its headers.
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height * 3 + 65536);
  const JpegCodec codec;
  std::unique_ptr<SDL_RWops, RwDeleter> sink(
      SDL_RWFromMem(out.data(), static_cast<int>(out.size())));
  if (!sink || IMG_SaveJPG_RW(view.get(), sink.get(), 0, quality) != 0) {
    throw std::runtime_error(std::string("cannot encode JPEG: ") + IMG_GetError());
  }
  out.resize(static_cast<std::size_t>(SDL_RWtell(sink.get())));
  return out;
}

}  // namespace verlano::mkres
