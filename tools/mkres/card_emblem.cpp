#include "card_emblem.h"

#include <algorithm>

#include "card_pips.h"

namespace verlano::mkres {

namespace {

constexpr double kWidthPerHeight = 0.82;
constexpr double kPipPerHeight = 0.7;
constexpr double kRim = 1.8;         // gold edge, figure units
constexpr double kBustMargin = 1.5;  // kept clear above a half figure's cut

// A flat top, straight sides down to the middle, then curves meeting in a point.
void ShieldPath(cairo_t* cr, double x, double top, double height) {
  const double half = height * kWidthPerHeight / 2;
  const double shoulder = top + height * 0.5;
  const double bottom = top + height;
  cairo_move_to(cr, x - half, top);
  cairo_line_to(cr, x + half, top);
  cairo_line_to(cr, x + half, shoulder);
  cairo_curve_to(cr, x + half, shoulder + height * 0.3, x + half * 0.3, bottom - height * 0.08, x,
                 bottom);
  cairo_curve_to(cr, x - half * 0.3, bottom - height * 0.08, x - half, shoulder + height * 0.3,
                 x - half, shoulder);
  cairo_close_path(cr);
}

}  // namespace

void DrawEmblem(cairo_t* cr, const FigurePen& pen, double x, double top, double height) {
  const DeckLook& look = pen.look;
  if (look.framing == Framing::DoubleHeaded) {
    height = std::min(height, kBustBottom - kBustMargin - top);
  }
  ShieldPath(cr, x, top, height);
  SetColour(cr, look.ink);
  cairo_set_line_width(cr, kRim + 2 * pen.line);
  cairo_stroke_preserve(cr);
  SetColour(cr, look.gold);
  cairo_set_line_width(cr, kRim);
  cairo_stroke_preserve(cr);
  SetColour(cr, look.paper);
  cairo_fill(cr);
  SavedState saved(cr);
  cairo_translate(cr, x, top + height * 0.42);
  DrawPip(cr, look, pen.suit, height * kPipPerHeight);
}

}  // namespace verlano::mkres
