#include "platform/bmp_file.h"

#include <SDL.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <new>

#include "platform/bmp_header.h"

namespace verlano {

namespace {

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

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
  // The header first: SDL takes the memory for every pixel it claims.
  Surface size;
  if (!ReadBmpSize(path, size, error)) return false;
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
  try {
    s.Pixels.resize(static_cast<std::size_t>(s.Width) * s.Height);
  } catch (const std::bad_alloc&) {
    error = CannotRead(path, "not enough memory for its pixels");
    return false;
  }
  if (SDL_LockSurface(converted.get()) != 0) {
    error = CannotRead(path, SDL_GetError());
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
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  const std::streamoff fileSize = in.tellg();
  if (!in || fileSize < 0) {
    error = CannotRead(path, "cannot open it");
    return false;
  }
  std::array<std::uint8_t, kBmpHeadBytes> head{};
  in.seekg(0);
  in.read(reinterpret_cast<char*>(head.data()), head.size());
  BmpSize size;
  std::string problem;
  if (!CheckBmpHeader(std::span(head).first(static_cast<std::size_t>(in.gcount())), fileSize, size,
                      problem)) {
    error = CannotRead(path, problem);
    return false;
  }
  out = Surface{};
  out.Width = size.width;
  out.Height = size.height;
  return true;
}

}  // namespace verlano
