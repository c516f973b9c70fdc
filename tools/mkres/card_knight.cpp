#include "card_emblem.h"
#include "card_figures.h"

namespace verlano::mkres {

namespace {

void HorseLeg(cairo_t* cr, const FigurePen& pen, Rgb coat, double x0, double y0, double x1) {
  DrawLimb(cr, pen, coat, 4.2, x0, y0, x1, 122);
  cairo_rectangle(cr, x1 - 2.6, 121, 5.2, 4.5);
  FillAndOutline(cr, pen.look.ink, pen.look.ink, 0);
}

// A horse in profile walking left, its far legs a shade darker.
void DrawHorse(cairo_t* cr, const FigurePen& pen) {
  const DeckLook& look = pen.look;
  const Rgb coat = look.horseCoat;
  const Rgb farCoat = Shade(coat, -0.18);
  HorseLeg(cr, pen, farCoat, -10, 94, -6);
  HorseLeg(cr, pen, farCoat, 18, 94, 22);
  // Tail.
  cairo_move_to(cr, 22, 80);
  cairo_curve_to(cr, 33, 82, 33, 96, 30, 108);
  SetColour(cr, look.ink);
  cairo_set_line_width(cr, 5 + 2 * pen.line);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
  SetColour(cr, look.hair);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  // Body, neck and head in one outline.
  cairo_move_to(cr, -14, 86);
  cairo_curve_to(cr, -20, 74, -22, 64, -24, 58);
  cairo_curve_to(cr, -26, 52, -31, 52, -34, 57);
  cairo_line_to(cr, -37, 66);
  cairo_curve_to(cr, -38, 70, -33, 72, -30, 69);
  cairo_curve_to(cr, -26, 66, -20, 70, -14, 74);
  cairo_curve_to(cr, -6, 78, 6, 76, 16, 76);
  cairo_curve_to(cr, 26, 76, 28, 86, 26, 92);
  cairo_curve_to(cr, 22, 100, 8, 98, -4, 98);
  cairo_curve_to(cr, -12, 98, -14, 94, -14, 86);
  cairo_close_path(cr);
  FillGarment(cr, pen, coat, 52, 100);
  HorseLeg(cr, pen, coat, -14, 92, -17);
  HorseLeg(cr, pen, coat, 12, 94, 14);
  // Mane along the neck, ear and eye.
  cairo_move_to(cr, -23, 56);
  cairo_curve_to(cr, -18, 62, -16, 70, -13, 75);
  SetColour(cr, look.hair);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_move_to(cr, -27, 54);
  cairo_line_to(cr, -25, 48);
  cairo_line_to(cr, -23, 55);
  FillAndOutline(cr, coat, look.ink, pen.line);
  Ellipse(cr, -30, 59, 1.1, 1.1);
  SetColour(cr, look.ink);
  cairo_fill(cr);
  // Bridle from the muzzle to the rider's hand.
  cairo_move_to(cr, -34, 66);
  cairo_line_to(cr, -6, 70);
  SetColour(cr, Shade(look.accent, -0.3));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  // Saddle cloth in the suit's colour with a gold hem.
  DrawGarment(cr, pen, pen.robe,
              {.centreX = 3, .top = 76, .topHalf = 9, .bottom = 94, .bottomHalf = 12});
  cairo_move_to(cr, -9, 93);
  cairo_line_to(cr, 15, 93);
  SetColour(cr, look.gold);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void DrawRider(cairo_t* cr, const FigurePen& pen) {
  const DeckLook& look = pen.look;
  DrawLimb(cr, pen, pen.trim, 5, 3, 80, 6, 100);
  Ellipse(cr, 6, 102, 4.5, 2.5);
  FillAndOutline(cr, Shade(look.ink, 0.2), look.ink, pen.line);
  DrawGarment(cr, pen, pen.robe,
              {.centreX = 2, .top = 50, .topHalf = 8, .bottom = 82, .bottomHalf = 10});
  cairo_rectangle(cr, -9, 68, 22, 4);
  FillAndOutline(cr, look.gold, look.ink, pen.line);
  DrawLimb(cr, pen, Shade(pen.robe, -0.15), 6, -6, 54, -6, 70);
  DrawLimb(cr, pen, Shade(pen.robe, -0.15), 6, 8, 53, 20, 40);
  DrawHeldPip(cr, pen, 21, 38, 17);
  DrawHead(cr, pen, {.x = 1, .y = 41, .radius = 7.5, .headwear = Headwear::Plume});
}

}  // namespace

void DrawKnight(cairo_t* cr, const FigurePen& pen) {
  DrawHorse(cr, pen);
  DrawRider(cr, pen);
  // Carried on his left arm, over the horse's shoulder.
  DrawEmblem(cr, pen, -8, 60, 27);
}

}  // namespace verlano::mkres
