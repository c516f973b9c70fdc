#include "picture.h"

#include <stdexcept>
#include <system_error>

#include "resources/little_endian.h"
#include "resources/whole_file.h"

namespace verlano::mkres {

namespace {

// Un-premultiplies one ARGB32 pixel into 8-bit r, g, b.
void Unpremultiply(std::uint32_t argb, std::uint8_t rgb[3]) {
  const std::uint32_t a = argb >> 24;
  for (int c = 0; c < 3; ++c) {
    const std::uint32_t v = (argb >> (16 - 8 * c)) & 0xFF;
    const std::uint32_t u = a == 0 ? 0 : (v * 255 + a / 2) / a;
    rgb[c] = static_cast<std::uint8_t>(u > 255 ? 255 : u);
  }
}

// Bottom-up 24-bit BMP; `pixel` maps (x, y) to 0xRRGGBB.
template <typename PixelFn>
std::vector<std::uint8_t> WriteBmp(int width, int height, PixelFn pixel) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * height);
  std::vector<std::uint8_t> out;
  out.reserve(54 + imageBytes);
  out.push_back('B');
  out.push_back('M');
  AppendLe(out, 54 + imageBytes, 4);
  AppendLe(out, 0, 4);
  AppendLe(out, 54, 4);
  AppendLe(out, 40, 4);
  AppendLe(out, static_cast<std::uint32_t>(width), 4);
  AppendLe(out, static_cast<std::uint32_t>(height), 4);
  AppendLe(out, 1, 2);
  AppendLe(out, 24, 2);
  AppendLe(out, 0, 4);
  AppendLe(out, imageBytes, 4);
  AppendLe(out, 2835, 4);
  AppendLe(out, 2835, 4);
  AppendLe(out, 0, 4);
  AppendLe(out, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = pixel(x, y);
      out.push_back(static_cast<std::uint8_t>(rgb));
      out.push_back(static_cast<std::uint8_t>(rgb >> 8));
      out.push_back(static_cast<std::uint8_t>(rgb >> 16));
    }
    for (int pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

std::uint32_t PixelAt(cairo_surface_t* s, int x, int y) {
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  return reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

Surface NewSurface(int width, int height) {
  return Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

Context NewContext(const Surface& surface) {
  return Context(cairo_create(surface.get()));
}

std::vector<std::uint8_t> EncodeBmp24(const Surface& surface) {
  cairo_surface_t* s = surface.get();
  cairo_surface_flush(s);
  return WriteBmp(cairo_image_surface_get_width(s), cairo_image_surface_get_height(s),
                  [s](int x, int y) -> std::uint32_t {
                    const std::uint32_t argb = PixelAt(s, x, y);
                    if ((argb >> 24) < 128) return 0xFF00FF;
                    std::uint8_t rgb[3];
                    Unpremultiply(argb, rgb);
                    return (std::uint32_t{rgb[0]} << 16) | (std::uint32_t{rgb[1]} << 8) | rgb[2];
                  });
}

std::vector<std::uint8_t> EncodeBmp24Opaque(const Surface& surface, std::uint32_t backgroundRgb) {
  cairo_surface_t* s = surface.get();
  cairo_surface_flush(s);
  return WriteBmp(cairo_image_surface_get_width(s), cairo_image_surface_get_height(s),
                  [s, backgroundRgb](int x, int y) -> std::uint32_t {
                    // Premultiplied source over the background.
                    const std::uint32_t argb = PixelAt(s, x, y);
                    const std::uint32_t a = argb >> 24;
                    std::uint32_t result = 0;
                    for (int shift = 16; shift >= 0; shift -= 8) {
                      const std::uint32_t src = (argb >> shift) & 0xFF;
                      const std::uint32_t bg = (backgroundRgb >> shift) & 0xFF;
                      result |= ((src + (bg * (255 - a) + 127) / 255) & 0xFF) << shift;
                    }
                    return result;
                  });
}

std::vector<std::uint8_t> EncodePng(const Surface& surface) {
  std::vector<std::uint8_t> out;
  cairo_surface_write_to_png_stream(surface.get(), AppendBytes, &out);
  return out;
}

void SavePng(const Surface& surface, const std::filesystem::path& file) {
  if (const std::error_code failure = WriteBytes(file.string(), EncodePng(surface))) {
    throw std::runtime_error(CannotWrite(file.string(), failure));
  }
}

void MakeFolders(const std::filesystem::path& folder) {
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  if (made) throw std::runtime_error("cannot create " + folder.string() + ": " + made.message());
}

}  // namespace verlano::mkres
