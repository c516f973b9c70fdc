#include "card_paint.h"

#include <numbers>

namespace verlano::mkres {

void SetColour(cairo_t* cr, Rgb colour, double alpha) {
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

Rgb Shade(Rgb colour, double amount) {
  const double target = amount > 0 ? 1.0 : 0.0;
  const double t = amount > 0 ? amount : -amount;
  return {colour.r + (target - colour.r) * t, colour.g + (target - colour.g) * t,
          colour.b + (target - colour.b) * t};
}

void RoundedRectPath(cairo_t* cr, double x, double y, double width, double height, double radius) {
  constexpr double kQuarter = std::numbers::pi / 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + width - radius, y + radius, radius, -kQuarter, 0);
  cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, kQuarter);
  cairo_arc(cr, x + radius, y + height - radius, radius, kQuarter, 2 * kQuarter);
  cairo_arc(cr, x + radius, y + radius, radius, 2 * kQuarter, 3 * kQuarter);
  cairo_close_path(cr);
}

namespace {

void OutlineKeptPath(cairo_t* cr, Rgb ink, double lineWidth) {
  if (lineWidth > 0) {
    SetColour(cr, ink);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
  } else {
    cairo_new_path(cr);
  }
}

}  // namespace

void FillAndOutline(cairo_t* cr, Rgb fill, Rgb ink, double lineWidth) {
  SetColour(cr, fill);
  cairo_fill_preserve(cr);
  OutlineKeptPath(cr, ink, lineWidth);
}

void FillShadedAndOutline(cairo_t* cr, Rgb fill, Rgb ink, double lineWidth, double top,
                          double bottom) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, top, 0, bottom);
  const Rgb light = Shade(fill, 0.35);
  const Rgb dark = Shade(fill, -0.25);
  cairo_pattern_add_color_stop_rgb(gradient, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(gradient, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, gradient);
  cairo_pattern_destroy(gradient);  // the context holds its own reference
  cairo_fill_preserve(cr);
  OutlineKeptPath(cr, ink, lineWidth);
}

}  // namespace verlano::mkres
