#include "card_figure_parts.h"

#include <cmath>
#include <numbers>

#include "card_pips.h"

namespace verlano::mkres {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

void Circle(cairo_t* cr, double x, double y, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, radius, 0, kTurn);
}

void Hair(cairo_t* cr, const FigurePen& pen, const HeadShape& h) {
  const double r = h.radius;
  if (h.longHair) {
    // Falls behind the shoulders, so it is drawn before the face.
    cairo_move_to(cr, h.x - r * 1.05, h.y);
    cairo_curve_to(cr, h.x - r * 1.4, h.y + r * 1.2, h.x - r * 1.5, h.y + r * 1.8, h.x - r * 1.3,
                   h.y + r * 2.1);
    cairo_line_to(cr, h.x + r * 1.3, h.y + r * 2.1);
    cairo_curve_to(cr, h.x + r * 1.5, h.y + r * 1.8, h.x + r * 1.4, h.y + r * 1.2, h.x + r * 1.05,
                   h.y);
    cairo_arc_negative(cr, h.x, h.y, r * 1.05, 0, std::numbers::pi);
    cairo_close_path(cr);
    FillAndOutline(cr, pen.look.hair, pen.look.ink, pen.line);
  }
}

void Face(cairo_t* cr, const FigurePen& pen, const HeadShape& h) {
  const double r = h.radius;
  Ellipse(cr, h.x, h.y, r * 0.9, r);
  FillAndOutline(cr, pen.look.skin, pen.look.ink, pen.line);
  // Hair over the brow.
  cairo_move_to(cr, h.x - r * 0.92, h.y - r * 0.05);
  cairo_curve_to(cr, h.x - r * 0.95, h.y - r * 1.3, h.x + r * 0.95, h.y - r * 1.3, h.x + r * 0.92,
                 h.y - r * 0.05);
  cairo_curve_to(cr, h.x + r * 0.5, h.y - r * 0.6, h.x - r * 0.5, h.y - r * 0.6, h.x - r * 0.92,
                 h.y - r * 0.05);
  cairo_close_path(cr);
  FillAndOutline(cr, pen.look.hair, pen.look.ink, pen.line * 0.8);
  for (double side : {-1.0, 1.0}) {
    Circle(cr, h.x + side * r * 0.36, h.y + r * 0.05, r * 0.11);
    SetColour(cr, pen.look.ink);
    cairo_fill(cr);
    cairo_move_to(cr, h.x + side * r * 0.55, h.y - r * 0.18);
    cairo_line_to(cr, h.x + side * r * 0.18, h.y - r * 0.22);
    cairo_set_line_width(cr, pen.line * 0.6);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, h.x - r * 0.22, h.y + r * 0.52);
  cairo_curve_to(cr, h.x - r * 0.1, h.y + r * 0.6, h.x + r * 0.1, h.y + r * 0.6, h.x + r * 0.22,
                 h.y + r * 0.52);
  SetColour(cr, Shade(pen.look.wine, 0.1));
  cairo_set_line_width(cr, pen.line * 0.9);
  cairo_stroke(cr);
}

void Beard(cairo_t* cr, const FigurePen& pen, const HeadShape& h) {
  const double r = h.radius;
  cairo_move_to(cr, h.x - r * 0.85, h.y + r * 0.2);
  cairo_curve_to(cr, h.x - r * 0.8, h.y + r * 1.4, h.x - r * 0.2, h.y + r * 1.7, h.x,
                 h.y + r * 1.75);
  cairo_curve_to(cr, h.x + r * 0.2, h.y + r * 1.7, h.x + r * 0.8, h.y + r * 1.4, h.x + r * 0.85,
                 h.y + r * 0.2);
  cairo_curve_to(cr, h.x + r * 0.5, h.y + r * 0.75, h.x - r * 0.5, h.y + r * 0.75, h.x - r * 0.85,
                 h.y + r * 0.2);
  cairo_close_path(cr);
  FillAndOutline(cr, pen.look.hair, pen.look.ink, pen.line * 0.8);
  // Moustache over the mouth.
  cairo_move_to(cr, h.x - r * 0.45, h.y + r * 0.55);
  cairo_curve_to(cr, h.x - r * 0.2, h.y + r * 0.3, h.x + r * 0.2, h.y + r * 0.3, h.x + r * 0.45,
                 h.y + r * 0.55);
  SetColour(cr, Shade(pen.look.hair, -0.3));
  cairo_set_line_width(cr, pen.line * 1.4);
  cairo_stroke(cr);
}

// A gold band with points tipped by jewels; `points` and `height` tell a king's
// crown from a queen's tiara.
void Crown(cairo_t* cr, const FigurePen& pen, const HeadShape& h, int points, double height) {
  const double r = h.radius;
  const double left = h.x - r * 0.95;
  const double width = r * 1.9;
  const double base = h.y - r * 0.55;
  cairo_move_to(cr, left, base);
  for (int k = 0; k <= 2 * (points - 1); ++k) {
    const double x = left + width * k / (2.0 * (points - 1));
    const double y = k % 2 == 0 ? base - height : base - height * 0.45;
    cairo_line_to(cr, x, y);
  }
  cairo_line_to(cr, left + width, base);
  cairo_close_path(cr);
  FillShadedAndOutline(cr, pen.look.gold, pen.look.ink, pen.line, base - height, base);
  for (int k = 0; k < points; ++k) {
    Circle(cr, left + width * k / (points - 1.0), base - height, r * 0.13);
    FillAndOutline(cr, pen.look.wine, pen.look.ink, pen.line * 0.5);
  }
  Circle(cr, h.x, base - height * 0.25, r * 0.12);
  FillAndOutline(cr, pen.look.jewel, pen.look.ink, pen.line * 0.5);
}

// A soft beret tilted over one ear with a feather.
void Cap(cairo_t* cr, const FigurePen& pen, const HeadShape& h, bool plume) {
  const double r = h.radius;
  const Rgb feather = plume ? pen.look.gold : pen.look.paper;
  cairo_move_to(cr, h.x + r * 0.3, h.y - r * 0.9);
  cairo_curve_to(cr, h.x + r * 1.2, h.y - r * 2.2, h.x + r * 2.0, h.y - r * 1.6, h.x + r * 2.1,
                 h.y - r * 0.8);
  cairo_curve_to(cr, h.x + r * 1.6, h.y - r * 1.3, h.x + r * 1.0, h.y - r * 1.2, h.x + r * 0.5,
                 h.y - r * 0.7);
  cairo_close_path(cr);
  FillAndOutline(cr, feather, pen.look.ink, pen.line * 0.7);
  Ellipse(cr, h.x - r * 0.1, h.y - r * 0.85, r * 1.25, r * 0.5);
  FillGarment(cr, pen, Shade(pen.robe, -0.3), h.y - r * 1.4, h.y - r * 0.4);
}

}  // namespace

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
  SavedState saved(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  Circle(cr, 0, 0, 1);
}

void DrawGarment(cairo_t* cr, const FigurePen& pen, Rgb colour, const Flare& f) {
  const double height = f.bottom - f.top;
  const double spread = f.bottomHalf - f.topHalf;
  // Sides bow slightly outwards, as cloth falls.
  const double side1 = f.topHalf + spread * 0.3;
  const double side2 = f.topHalf + spread * 0.75;
  cairo_move_to(cr, f.centreX - f.topHalf, f.top);
  cairo_line_to(cr, f.centreX + f.topHalf, f.top);
  cairo_curve_to(cr, f.centreX + side1, f.top + height / 3, f.centreX + side2,
                 f.top + 2 * height / 3, f.centreX + f.bottomHalf, f.bottom);
  cairo_curve_to(cr, f.centreX + f.bottomHalf * 0.4, f.bottom + f.hemDip,
                 f.centreX - f.bottomHalf * 0.4, f.bottom + f.hemDip, f.centreX - f.bottomHalf,
                 f.bottom);
  cairo_curve_to(cr, f.centreX - side2, f.top + 2 * height / 3, f.centreX - side1,
                 f.top + height / 3, f.centreX - f.topHalf, f.top);
  cairo_close_path(cr);
  FillGarment(cr, pen, colour, f.top, f.bottom + f.hemDip);
}

void FillGarment(cairo_t* cr, const FigurePen& pen, Rgb colour, double top, double bottom) {
  FillShadedAndOutline(cr, colour, pen.look.ink, pen.line, top, bottom);
}

void DrawHead(cairo_t* cr, const FigurePen& pen, const HeadShape& head) {
  Hair(cr, pen, head);
  Face(cr, pen, head);
  if (head.beard) Beard(cr, pen, head);
  switch (head.headwear) {
    case Headwear::Crown:
      Crown(cr, pen, head, 5, head.radius * 0.9);
      break;
    case Headwear::Tiara:
      Crown(cr, pen, head, 3, head.radius * 0.55);
      break;
    case Headwear::Cap:
      Cap(cr, pen, head, false);
      break;
    case Headwear::Plume:
      Cap(cr, pen, head, true);
      break;
    case Headwear::None:
      break;
  }
}

void DrawLimb(cairo_t* cr, const FigurePen& pen, Rgb colour, double width, double x0, double y0,
              double x1, double y1) {
  SavedState saved(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColour(cr, pen.look.ink);
  cairo_set_line_width(cr, width + 2 * pen.line);
  cairo_stroke_preserve(cr);
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void DrawHeldPip(cairo_t* cr, const FigurePen& pen, double handX, double handY, double size) {
  {
    SavedState saved(cr);
    cairo_translate(cr, handX, handY - size * 0.45);
    DrawPip(cr, pen.look, pen.suit, size);
  }
  Circle(cr, handX, handY, 2.8);
  FillAndOutline(cr, pen.look.skin, pen.look.ink, pen.line);
}

void StrokeErmine(cairo_t* cr, const FigurePen& pen, double width) {
  SavedState saved(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, pen.look.ink);
  cairo_set_line_width(cr, width + 2 * pen.line);
  cairo_stroke_preserve(cr);
  SetColour(cr, {1, 1, 1});
  cairo_set_line_width(cr, width);
  cairo_stroke_preserve(cr);
  // Black tails: short dashes along the fur.
  const double dashes[2] = {1.2, 4.0};
  cairo_set_dash(cr, dashes, 2, 0);
  SetColour(cr, pen.look.ink);
  cairo_set_line_width(cr, width * 0.45);
  cairo_stroke(cr);
}

}  // namespace verlano::mkres
