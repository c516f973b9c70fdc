#include "pages.h"

#include <cmath>
#include <numbers>

#include "rules/random.h"
#include "text.h"
#include "texture.h"

namespace verlano::mkres {

namespace {

constexpr double kPi = std::numbers::pi;

struct Rgb {
  double r, g, b;
};

void AddStop(cairo_pattern_t* p, double offset, Rgb c) {
  cairo_pattern_add_color_stop_rgb(p, offset, c.r, c.g, c.b);
}

// Strokes the current path as a light line over a wider dark rim, which keeps
// thin metal or plastic shapes visible on both felt and paper.
void StrokeRimmed(cairo_t* cr, Rgb rim, double rimWidth, Rgb line, double lineWidth) {
  cairo_set_source_rgb(cr, rim.r, rim.g, rim.b);
  cairo_set_line_width(cr, rimWidth);
  cairo_stroke_preserve(cr);
  cairo_set_source_rgb(cr, line.r, line.g, line.b);
  cairo_set_line_width(cr, lineWidth);
  cairo_stroke(cr);
}

// A lamp above the middle of the table: bright baize fading to dark edges.
void PaintBaize(cairo_t* cr) {
  Pattern light(cairo_pattern_create_radial(400, 260, 30, 400, 300, 580));
  AddStop(light.get(), 0.0, {0.20, 0.55, 0.29});
  AddStop(light.get(), 0.55, {0.12, 0.41, 0.20});
  AddStop(light.get(), 1.0, {0.04, 0.20, 0.09});
  cairo_set_source(cr, light.get());
  cairo_paint(cr);
}

// The printed oval of a card table, a faint stitched line where the cards land.
void StitchOval(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 400, 285);
  cairo_scale(cr, 330, 205);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  const double dash[] = {7.0, 5.0};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_width(cr, 2.0);
  cairo_set_source_rgba(cr, 0.85, 0.95, 0.75, 0.13);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

// Woven felt: a fine thread weave, soft cloudy dye variation and fibre specks.
void FeltTexture(const Surface& s) {
  const ValueNoise clouds(kScreenWidth, kScreenHeight, 56, 3);
  const ValueNoise fibres(kScreenWidth, kScreenHeight, 2, 4);
  ShadePixels(s, [&](int x, int y) {
    const bool warpOnTop = ((x / 2) + (y / 2)) % 2 == 0;
    const double weave = warpOnTop ? std::sin(y * kPi / 2.0) : std::sin(x * kPi / 2.0);
    return 1.4 * weave + 5.0 * clouds.At(x, y) + 3.0 * fibres.At(x, y);
  });
}

// Darkens the corners a little more, like a lamp's cone on cloth.
void Vignette(cairo_t* cr) {
  Pattern shade(cairo_pattern_create_radial(400, 300, 320, 400, 300, 520));
  cairo_pattern_add_color_stop_rgba(shade.get(), 0.0, 0, 0, 0, 0.0);
  cairo_pattern_add_color_stop_rgba(shade.get(), 1.0, 0, 0, 0, 0.35);
  cairo_set_source(cr, shade.get());
  cairo_paint(cr);
}

// Paper outline: square where the binding holds it, rounded on the free side.
void PaperPath(cairo_t* cr, double left, double width, double height, double radius) {
  cairo_new_path(cr);
  cairo_move_to(cr, left, 0);
  cairo_arc(cr, width - radius, radius, radius, -kPi / 2, 0);
  cairo_arc(cr, width - radius, height - radius, radius, 0, kPi / 2);
  cairo_line_to(cr, left, height);
  cairo_close_path(cr);
}

void PaintPaper(cairo_t* cr) {
  PaperPath(cr, 8, kScorePageWidth, kScorePageHeight, 12);
  Pattern paper(cairo_pattern_create_linear(0, 0, 0, kScorePageHeight));
  AddStop(paper.get(), 0.0, {0.98, 0.95, 0.86});
  AddStop(paper.get(), 1.0, {0.93, 0.89, 0.77});
  cairo_set_source(cr, paper.get());
  cairo_fill(cr);
}

// Title band above the heading row (which the game writes at y 94, sheet y 90).
void HeaderBand(cairo_t* cr) {
  cairo_rectangle(cr, 32, 14, kScorePageWidth - 50, 38);
  cairo_set_source_rgb(cr, 0.50, 0.11, 0.12);
  cairo_fill(cr);
  cairo_rectangle(cr, 32, 55, kScorePageWidth - 50, 2);
  cairo_set_source_rgb(cr, 0.78, 0.62, 0.25);
  cairo_fill(cr);
  Layout title = LayoutText(cr, "Verlano", "DejaVu Serif Bold Italic", 26);
  PangoRectangle ink;
  pango_layout_get_pixel_extents(title.get(), &ink, nullptr);
  const double x = 32 + (kScorePageWidth - 50 - ink.width) / 2.0 - ink.x;
  const double y = 14 + (38 - ink.height) / 2.0 - ink.y;
  cairo_move_to(cr, x, y);
  cairo_set_source_rgb(cr, 0.98, 0.93, 0.78);
  pango_cairo_show_layout(cr, title.get());
}

// Blue rules under each text row (rows every 31 pixels from sheet y 90) and a
// red margin just left of where the text starts (screen x 213, sheet x 57).
void RulePaper(cairo_t* cr) {
  cairo_set_line_width(cr, 1.0);
  cairo_set_source_rgba(cr, 0.30, 0.45, 0.78, 0.35);
  for (int row = 0; row <= 12; ++row) {
    const double y = 90 + 31 * row + 24.5;
    cairo_move_to(cr, 34, y);
    cairo_line_to(cr, kScorePageWidth - 14, y);
  }
  cairo_stroke(cr);
  cairo_set_source_rgba(cr, 0.80, 0.20, 0.20, 0.45);
  cairo_move_to(cr, 50.5, 62);
  cairo_line_to(cr, 50.5, kScorePageHeight - 10);
  cairo_stroke(cr);
}

// Cloth spine and the metal coil: this strip is all the table shows of the
// sheet during play, so it must read as a notebook lying at the edge.
void Binding(cairo_t* cr) {
  Pattern cloth(cairo_pattern_create_linear(0, 0, kBindingWidth, 0));
  AddStop(cloth.get(), 0.0, {0.30, 0.05, 0.06});
  AddStop(cloth.get(), 0.5, {0.56, 0.13, 0.13});
  AddStop(cloth.get(), 1.0, {0.28, 0.05, 0.06});
  cairo_rectangle(cr, 0, 0, kBindingWidth, kScorePageHeight);
  cairo_set_source(cr, cloth.get());
  cairo_fill(cr);
  for (int y = 14; y < kScorePageHeight - 8; y += 24) {
    cairo_arc(cr, 27, y, 2.6, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.25, 0.20, 0.15);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 15.5, y);
    cairo_scale(cr, 11.5, 4.5);
    cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
    cairo_restore(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    StrokeRimmed(cr, {0.16, 0.16, 0.18}, 3.4, {0.84, 0.85, 0.88}, 1.6);
  }
}

// One pen stroke along x, wavering a little as a hand-ruled line does.
void PenStroke(cairo_t* cr, int length, std::uint64_t seed) {
  Random hand(seed);
  const double mid = kPenLineThickness / 2.0;
  const double step = 34.0;
  double x = 2.0;
  double y = mid;
  cairo_move_to(cr, x, y);
  while (x < length - 2.0) {
    const double nx = std::min(x + step, length - 2.0);
    const double ny = mid + (hand.Rnd() - 0.5) * 1.4;
    cairo_curve_to(cr, x + (nx - x) / 3, y, nx - (nx - x) / 3, ny, nx, ny);
    x = nx;
    y = ny;
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 2.4);
  cairo_set_source_rgb(cr, 0.10, 0.17, 0.48);
  cairo_stroke(cr);
}

}  // namespace

Surface DrawTableBackground() {
  Surface s = NewSurface(kScreenWidth, kScreenHeight);
  Context cr = NewContext(s);
  PaintBaize(cr.get());
  FeltTexture(s);
  StitchOval(cr.get());
  Vignette(cr.get());
  return s;
}

Surface DrawScorePage() {
  Surface s = NewSurface(kScorePageWidth, kScorePageHeight);
  Context cr = NewContext(s);
  PaintPaper(cr.get());
  const ValueNoise fibres(kScorePageWidth, kScorePageHeight, 3, 9);
  const ValueNoise mottling(kScorePageWidth, kScorePageHeight, 40, 10);
  ShadePixels(s, [&](int x, int y) { return 2.5 * fibres.At(x, y) + 4.0 * mottling.At(x, y); });
  HeaderBand(cr.get());
  RulePaper(cr.get());
  Binding(cr.get());
  return s;
}

Surface DrawPenLine(LineDirection direction) {
  const bool horizontal = direction == LineDirection::Horizontal;
  const int length = horizontal ? kHorizontalLineLength : kVerticalLineLength;
  Surface s =
      horizontal ? NewSurface(length, kPenLineThickness) : NewSurface(kPenLineThickness, length);
  Context cr = NewContext(s);
  if (!horizontal) {
    // Draw it as a horizontal stroke turned a quarter.
    cairo_translate(cr.get(), kPenLineThickness, 0);
    cairo_rotate(cr.get(), kPi / 2);
  }
  PenStroke(cr.get(), length, horizontal ? 21 : 22);
  return s;
}

Surface DrawCursor() {
  Surface s = NewSurface(kCursorSize, kCursorSize);
  Context c = NewContext(s);
  cairo_t* cr = c.get();
  const double centre = kCursorHotSpot + 0.5;  // the middle of the hot-spot pixel
  cairo_arc(cr, centre, centre, 9.5, 0, 2 * kPi);
  for (int quarter = 0; quarter < 4; ++quarter) {
    const double dx = std::cos(quarter * kPi / 2);
    const double dy = std::sin(quarter * kPi / 2);
    cairo_move_to(cr, centre + 5 * dx, centre + 5 * dy);
    cairo_line_to(cr, centre + 15 * dx, centre + 15 * dy);
  }
  StrokeRimmed(cr, {0.05, 0.05, 0.05}, 4.0, {1.0, 1.0, 1.0}, 2.0);
  cairo_arc(cr, centre, centre, 2.5, 0, 2 * kPi);
  cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
  cairo_fill(cr);
  cairo_arc(cr, centre, centre, 1.6, 0, 2 * kPi);
  cairo_set_source_rgb(cr, 0.90, 0.10, 0.10);
  cairo_fill(cr);
  return s;
}

}  // namespace verlano::mkres
