#include "platform/bmp_file.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "i18n/translate.h"
#include "platform/bmp_header.h"

namespace verlano {

namespace {

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

std::string CannotRead(const std::string& path, const std::string& why) {
  return Format(_("Cannot read the picture %s: %s"), path.c_str(), why.c_str());
}

// Why a file would not open, as the player reads it (SDL would say
// "Parameter 'src' is invalid" for a missing one).
std::string OpenFailure(int number) {
  return number == ENOENT ? _("the file is missing") : std::strerror(number);
}

}  // namespace

bool LoadBmpFile(const std::string& path, Surface& out, std::string& error, int& errorNumber) {
  // The header first: SDL takes the memory for every pixel it claims.
  Surface size;
  if (!ReadBmpSize(path, size, error, errorNumber)) return false;
  errorNumber = EINVAL;  // it opened: what fails now is the picture
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

bool ReadBmpSize(const std::string& path, Surface& out, std::string& error, int& errorNumber) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    errorNumber = errno;
    error = CannotRead(path, OpenFailure(errorNumber));
    return false;
  }
  struct stat info {};
  std::array<std::uint8_t, kBmpHeadBytes> head{};
  const bool statted = fstat(fd, &info) == 0;
  const ssize_t got = statted ? pread(fd, head.data(), head.size(), 0) : -1;
  close(fd);
  errorNumber = EINVAL;
  BmpSize size;
  std::string problem;
  if (got < 0 || !CheckBmpHeader(std::span(head).first(static_cast<std::size_t>(got)),
                                 static_cast<std::int64_t>(info.st_size), size, problem)) {
    error = CannotRead(path, got < 0 ? "it cannot be read" : problem);
    return false;
  }
  out = Surface{};
  out.Width = size.width;
  out.Height = size.height;
  return true;
}

}  // namespace verlano
