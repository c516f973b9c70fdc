#pragma once
// Pictures drawn with cairo and their encodings for the archive: 24-bit BMP,
// where any pixel with alpha below 128 becomes the transparent magenta and the
// others are made opaque, so no pink fringe shows around a shape; and PNG for
// the contact sheets people look at.

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace verlano::mkres {

// Owns a cairo image surface (ARGB32).
struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// A drawn picture and the file name it is stored under in its resource folder.
struct NamedPicture {
  std::string fileName;
  Surface picture;
};

Surface NewSurface(int width, int height);  // fully transparent
Context NewContext(const Surface& surface);

// Opaque pixels as they are, transparent ones (alpha < 128) as 0xFF00FF.
std::vector<std::uint8_t> EncodeBmp24(const Surface& surface);

// Every pixel made opaque over `backgroundRgb` (0xRRGGBB): for pictures with no
// transparency, such as the table and the score sheet.
std::vector<std::uint8_t> EncodeBmp24Opaque(const Surface& surface, std::uint32_t backgroundRgb);

std::vector<std::uint8_t> EncodePng(const Surface& surface);

// Writes the picture as a PNG file. Throws std::runtime_error on failure.
void SavePng(const Surface& surface, const std::filesystem::path& file);

// Makes `folder` and its parents as needed. Throws std::runtime_error on failure.
void MakeFolders(const std::filesystem::path& folder);

}  // namespace verlano::mkres
