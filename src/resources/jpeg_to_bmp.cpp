#include "resources/jpeg_to_bmp.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>
#include <new>

#include "resources/byte_source.h"
#include "resources/jpeg_size.h"
#include "resources/picture_limits.h"

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

// The file's bytes, once its frame header shows a size the game can use; the
// decoder takes memory for every pixel claimed, so nothing is decoded before.
bool ReadCheckedJpeg(const std::string& jpegPath, std::vector<std::uint8_t>& jpeg,
                     std::string& problem) {
  const FileSource file(jpegPath, "a JPEG picture");
  if (!file.IsOpen()) {
    problem = file.Error();
    return false;
  }
  jpeg.resize(static_cast<std::size_t>(file.Size()));
  if (!file.Read(0, jpeg.size(), reinterpret_cast<char*>(jpeg.data()))) {
    problem = "cannot read it";
    return false;
  }
  JpegSize size;
  if (!ReadJpegSize(jpeg, size, problem)) return false;
  problem = PictureSizeProblem(size.width, size.height);
  return problem.empty();
}

bool Encode(const std::string& jpegPath, std::vector<std::uint8_t>& bmp, std::string& error) {
  std::vector<std::uint8_t> jpeg;
  std::string problem;
  if (!ReadCheckedJpeg(jpegPath, jpeg, problem)) {
    error = "cannot decode " + jpegPath + ": " + problem;
    return false;
  }
  const std::unique_ptr<SDL_Surface, SurfaceDeleter> picture(
      IMG_Load_RW(SDL_RWFromConstMem(jpeg.data(), static_cast<int>(jpeg.size())), 1));
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

}  // namespace

bool EncodeJpegAsBmp(const std::string& jpegPath, std::vector<std::uint8_t>& bmp,
                     std::string& error) {
  try {
    return Encode(jpegPath, bmp, error);
  } catch (const std::bad_alloc&) {
    error = "cannot decode " + jpegPath + ": not enough memory";
    return false;
  }
}

}  // namespace verlano
