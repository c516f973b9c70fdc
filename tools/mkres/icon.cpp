#include "icon.h"

#include <numbers>

#include "card_paint.h"

namespace verlano::mkres {

namespace {

// Everything is drawn on a 256-unit square, scaled to the size asked for.
constexpr double kUnits = 256.0;

void Baize(cairo_t* cr) {
  RoundedRectPath(cr, 8, 8, 240, 240, 44);
  cairo_pattern_t* green = cairo_pattern_create_radial(110, 100, 20, 128, 128, 180);
  cairo_pattern_add_color_stop_rgb(green, 0, 0.16, 0.55, 0.30);
  cairo_pattern_add_color_stop_rgb(green, 1, 0.05, 0.32, 0.16);
  cairo_set_source(cr, green);
  cairo_fill(cr);
  cairo_pattern_destroy(green);
}

// A card 104 x 164 units centred on (cx, cy), turned by `degrees`.
void CardOutline(cairo_t* cr, double cx, double cy, double degrees) {
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, degrees * std::numbers::pi / 180);
  RoundedRectPath(cr, -52, -82, 104, 164, 12);
}

void CardBack(cairo_t* cr) {
  cairo_save(cr);
  CardOutline(cr, 100, 130, -14);
  cairo_set_source_rgb(cr, 0.72, 0.10, 0.12);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.98, 0.95, 0.88);
  cairo_set_line_width(cr, 8);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void CardFace(cairo_t* cr) {
  cairo_save(cr);
  CardOutline(cr, 154, 130, 10);
  cairo_set_source_rgb(cr, 0.99, 0.97, 0.91);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.35, 0.25, 0.12);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  // The gold coin, with a dark rim and a rosette of eight petals.
  cairo_arc(cr, 0, 0, 36, 0, 2 * std::numbers::pi);
  cairo_set_source_rgb(cr, 0.93, 0.70, 0.13);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.55, 0.33, 0.05);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  for (int petal = 0; petal < 8; ++petal) {
    cairo_save(cr);
    cairo_rotate(cr, petal * std::numbers::pi / 4);
    cairo_arc(cr, 0, -15, 7, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

}  // namespace

Surface DrawIcon(int size) {
  Surface icon = NewSurface(size, size);
  const Context context = NewContext(icon);
  cairo_t* cr = context.get();
  cairo_scale(cr, size / kUnits, size / kUnits);
  Baize(cr);
  CardBack(cr);
  CardFace(cr);
  return icon;
}

void WriteIcons(const std::string& directory) {
  for (int size : kIconSizes) {
    const std::string side = std::to_string(size);
    const std::filesystem::path folder =
        std::filesystem::path(directory) / (side + "x" + side) / "apps";
    MakeFolders(folder);
    SavePng(DrawIcon(size), folder / (std::string(kIconName) + ".png"));
  }
}

}  // namespace verlano::mkres
