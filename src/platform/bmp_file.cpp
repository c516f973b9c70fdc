#include "platform/bmp_file.h"

#include <SDL.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

namespace verlano {

namespace {

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

std::int32_t Le32(const unsigned char* p) {
  return static_cast<std::int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) |
                                   (static_cast<std::uint32_t>(p[3]) << 24));
}

// "Cannot read the picture PATH: " and why: the system's reason when the file
// does not open (SDL would say "Parameter 'src' is invalid" for a missing
// one, such as an entry missing from the archive), else `decoderReason`.
std::string CannotRead(const std::string& path, const std::string& decoderReason) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  const int openError = file == nullptr ? errno : 0;
  if (file != nullptr) std::fclose(file);
  const std::string reason = openError == 0        ? decoderReason
                             : openError == ENOENT ? "the file is missing"
                                                   : std::strerror(openError);
  return "Cannot read the picture " + path + ": " + reason;
}

}  // namespace

bool LoadBmpFile(const std::string& path, Surface& out, std::string& error) {
  SdlSurface loaded(SDL_LoadBMP(path.c_str()));
  if (!loaded) {
    error = CannotRead(path, SDL_GetError());
    return false;
  }
  SdlSurface converted(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB565, 0));
  if (!converted) {
    error = "Cannot convert the picture " + path + ": " + SDL_GetError();
    return false;
  }
  Surface s;
  s.Width = converted->w;
  s.Height = converted->h;
  s.Pixels.resize(static_cast<std::size_t>(s.Width) * s.Height);
  if (SDL_LockSurface(converted.get()) != 0) {
    error = "Cannot read the picture " + path + ": " + SDL_GetError();
    return false;
  }
  const auto* rows = static_cast<const unsigned char*>(converted->pixels);
  for (int y = 0; y < s.Height; ++y) {
    std::memcpy(&s.Pixels[static_cast<std::size_t>(y) * s.Width], rows + y * converted->pitch,
                static_cast<std::size_t>(s.Width) * 2);
  }
  SDL_UnlockSurface(converted.get());
  out = std::move(s);
  return true;
}

bool ReadBmpSize(const std::string& path, Surface& out, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[26] = {};
  if (!in || !in.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'B' ||
      header[1] != 'M') {
    error = CannotRead(path, "not a BMP file");
    return false;
  }
  const std::int32_t w = Le32(header + 18);
  const std::int32_t h = Le32(header + 22);
  if (w <= 0 || h == 0 || w > 16384 || std::abs(h) > 16384) {
    error = "Cannot read the picture " + path + ": bad size";
    return false;
  }
  out = Surface{};
  out.Width = w;
  out.Height = std::abs(h);
  return true;
}

}  // namespace verlano
