#include "texture.h"

#include <algorithm>
#include <cmath>

#include "rules/random.h"

namespace verlano::mkres {

ValueNoise::ValueNoise(int width, int height, int cell, std::uint64_t seed)
    : cell_(cell), columns_(width / cell + 2) {
  const int rows = height / cell + 2;
  Random random(seed);
  values_.resize(static_cast<std::size_t>(columns_ * rows));
  for (double& v : values_) v = 2.0 * random.Rnd() - 1.0;
}

double ValueNoise::At(int x, int y) const {
  const int i = x / cell_;
  const int j = y / cell_;
  // Smoothstep weights hide the lattice's grid.
  auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
  const double fx = smooth(static_cast<double>(x % cell_) / cell_);
  const double fy = smooth(static_cast<double>(y % cell_) / cell_);
  const double top = Lattice(i, j) + (Lattice(i + 1, j) - Lattice(i, j)) * fx;
  const double bottom = Lattice(i, j + 1) + (Lattice(i + 1, j + 1) - Lattice(i, j + 1)) * fx;
  return top + (bottom - top) * fy;
}

void ShadePixels(const Surface& surface, const std::function<double(int, int)>& shade) {
  cairo_surface_t* s = surface.get();
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  const int width = cairo_image_surface_get_width(s);
  const int height = cairo_image_surface_get_height(s);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t alpha = row[x] >> 24;
      if (alpha == 0) continue;
      // Premultiplied: scale the change by coverage so edges stay consistent.
      const double delta = shade(x, y) * alpha / 255.0;
      std::uint32_t out = alpha << 24;
      for (int shift = 16; shift >= 0; shift -= 8) {
        const double v = static_cast<double>((row[x] >> shift) & 0xFF) + delta;
        out |= static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, long{alpha})) << shift;
      }
      row[x] = out;
    }
  }
  cairo_surface_mark_dirty(s);
}

}  // namespace verlano::mkres
