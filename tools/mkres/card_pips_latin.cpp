#include <numbers>

#include "card_pip_shapes.h"

namespace verlano::mkres {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

bool Bold(const PipPen& pen) {
  return pen.look.pips == PipFamily::LatinBold;
}

// Draws the bold deck's shape or the ornate deck's shape of a suit.
void ByFamily(cairo_t* cr, const PipPen& pen, void (*bold)(cairo_t*, const PipPen&),
              void (*ornate)(cairo_t*, const PipPen&)) {
  (Bold(pen) ? bold : ornate)(cr, pen);
}

Rgb Steel() {
  return {0.78, 0.82, 0.90};
}

void Circle(cairo_t* cr, double x, double y, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, radius, 0, kTurn);
}

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
  SavedState saved(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  Circle(cr, 0, 0, 1);
}

// A gold part (guard, knob, foot) with the pen's outline.
void FillGold(cairo_t* cr, const PipPen& pen, double top, double bottom) {
  FillShadedAndOutline(cr, pen.look.gold, pen.look.ink, pen.line, top, bottom);
}

// Six red petals and a gold heart inside a thin ring.
void RosetteFace(cairo_t* cr, const PipPen& pen) {
  const Rgb ring = Shade(pen.look.gold, -0.45);
  Circle(cr, 0, 0, 0.34);
  SetColour(cr, ring);
  cairo_set_line_width(cr, 0.045);
  cairo_stroke(cr);
  for (int k = 0; k < 6; ++k) {
    SavedState saved(cr);
    cairo_rotate(cr, k * kTurn / 6);
    Ellipse(cr, 0, -0.16, 0.07, 0.13);
    FillAndOutline(cr, pen.look.wine, ring, pen.line * 0.6);
  }
  Circle(cr, 0, 0, 0.07);
  FillAndOutline(cr, pen.look.gold, ring, pen.line * 0.6);
}

// Twelve pointed rays round a brick-red boss: a little sun.
void SunFace(cairo_t* cr, const PipPen& pen) {
  const Rgb ray = Shade(pen.look.gold, -0.35);
  for (int k = 0; k < 12; ++k) {
    SavedState saved(cr);
    cairo_rotate(cr, k * kTurn / 12);
    cairo_move_to(cr, -0.055, -0.14);
    cairo_line_to(cr, 0, k % 2 == 0 ? -0.37 : -0.29);
    cairo_line_to(cr, 0.055, -0.14);
    cairo_close_path(cr);
    SetColour(cr, ray);
    cairo_fill(cr);
  }
  Circle(cr, 0, 0, 0.39);
  SetColour(cr, ray);
  cairo_set_line_width(cr, 0.035);
  cairo_stroke(cr);
  Circle(cr, 0, 0, 0.15);
  FillAndOutline(cr, pen.look.accent, pen.look.ink, pen.line);
  Circle(cr, 0, 0, 0.05);
  SetColour(cr, pen.look.gold);
  cairo_fill(cr);
}

void GobletBowlPath(cairo_t* cr) {
  cairo_move_to(cr, -0.34, -0.40);
  cairo_curve_to(cr, -0.34, -0.10, -0.14, 0.03, -0.05, 0.04);
  cairo_line_to(cr, 0.05, 0.04);
  cairo_curve_to(cr, 0.14, 0.03, 0.34, -0.10, 0.34, -0.40);
  cairo_close_path(cr);
}

void GobletCup(cairo_t* cr, const PipPen& pen) {
  const Rgb wine = pen.look.wine;
  cairo_move_to(cr, -0.05, 0.29);
  cairo_curve_to(cr, -0.10, 0.36, -0.26, 0.40, -0.27, 0.47);
  cairo_line_to(cr, 0.27, 0.47);
  cairo_curve_to(cr, 0.26, 0.40, 0.10, 0.36, 0.05, 0.29);
  cairo_close_path(cr);
  FillGold(cr, pen, 0.29, 0.47);
  cairo_rectangle(cr, -0.045, 0.03, 0.09, 0.27);
  FillGold(cr, pen, 0.03, 0.3);
  Ellipse(cr, 0, 0.15, 0.1, 0.05);
  FillGold(cr, pen, 0.1, 0.2);
  {
    // The wine-red band is clipped to the bowl, then the bowl gets its outline.
    SavedState saved(cr);
    GobletBowlPath(cr);
    cairo_clip_preserve(cr);
    FillShadedAndOutline(cr, pen.look.gold, pen.look.ink, 0, -0.4, 0.04);
    cairo_rectangle(cr, -0.4, -0.27, 0.8, 0.09);
    FillAndOutline(cr, wine, pen.look.ink, pen.line * 0.7);
  }
  GobletBowlPath(cr);
  SetColour(cr, pen.look.ink);
  cairo_set_line_width(cr, pen.line);
  cairo_stroke(cr);
  Ellipse(cr, 0, -0.40, 0.34, 0.07);
  FillAndOutline(cr, Shade(wine, -0.35), pen.look.ink, pen.line);
}

void LiddedChalice(cairo_t* cr, const PipPen& pen) {
  cairo_move_to(cr, -0.30, 0.30);
  cairo_line_to(cr, 0.30, 0.30);
  cairo_line_to(cr, 0.22, 0.47);
  cairo_line_to(cr, -0.22, 0.47);
  cairo_close_path(cr);
  FillGold(cr, pen, 0.3, 0.47);
  cairo_rectangle(cr, -0.07, 0.12, 0.14, 0.19);
  FillGold(cr, pen, 0.12, 0.31);
  cairo_move_to(cr, -0.40, -0.16);
  cairo_curve_to(cr, -0.40, 0.08, -0.18, 0.15, 0, 0.15);
  cairo_curve_to(cr, 0.18, 0.15, 0.40, 0.08, 0.40, -0.16);
  cairo_close_path(cr);
  FillShadedAndOutline(cr, pen.look.accent, pen.look.ink, pen.line, -0.16, 0.15);
  cairo_move_to(cr, -0.34, -0.22);
  cairo_curve_to(cr, -0.30, -0.44, 0.30, -0.44, 0.34, -0.22);
  cairo_close_path(cr);
  FillShadedAndOutline(cr, pen.look.accent, pen.look.ink, pen.line, -0.4, -0.22);
  cairo_rectangle(cr, -0.42, -0.23, 0.84, 0.08);
  FillGold(cr, pen, -0.23, -0.15);
  Circle(cr, 0, -0.41, 0.065);
  FillGold(cr, pen, -0.47, -0.35);
}

// A knotty cudgel leaning right, thick at the head.
void KnottyCudgel(cairo_t* cr, const PipPen& pen) {
  const Rgb wood = Shade(pen.look.suitInk[static_cast<int>(Suit::Clubs)], 0.25);
  cairo_rotate(cr, 0.4);
  cairo_move_to(cr, -0.05, 0.47);
  cairo_curve_to(cr, -0.07, 0.1, -0.13, -0.2, -0.12, -0.37);
  cairo_arc(cr, 0, -0.37, 0.12, std::numbers::pi, kTurn);
  cairo_curve_to(cr, 0.13, -0.2, 0.07, 0.1, 0.05, 0.47);
  cairo_close_path(cr);
  FillShadedAndOutline(cr, wood, pen.look.ink, pen.line, -0.5, 0.5);
  const double knots[4][2] = {{-0.11, -0.22}, {0.10, -0.06}, {-0.08, 0.10}, {0.07, 0.24}};
  for (const auto& knot : knots) {
    Circle(cr, knot[0], knot[1], 0.04);
    FillAndOutline(cr, Shade(wood, -0.3), pen.look.ink, pen.line * 0.7);
  }
  cairo_rectangle(cr, -0.065, 0.33, 0.13, 0.05);
  FillAndOutline(cr, pen.look.wine, pen.look.ink, pen.line * 0.7);
}

// A straight staff in bands with gold knobs at both ends.
void BandedStaff(cairo_t* cr, const PipPen& pen) {
  const Rgb wood = pen.look.wood;
  cairo_rotate(cr, 0.3);
  RoundedRectPath(cr, -0.1, -0.41, 0.2, 0.82, 0.08);
  FillShadedAndOutline(cr, wood, pen.look.ink, pen.line, -0.42, 0.42);
  for (double y : {-0.22, 0.0, 0.22}) {
    cairo_rectangle(cr, -0.1, y - 0.035, 0.2, 0.07);
    FillAndOutline(cr, pen.look.accent, pen.look.ink, pen.line * 0.7);
  }
  for (double y : {-0.42, 0.42}) {
    Circle(cr, 0, y, 0.1);
    FillGold(cr, pen, y - 0.1, y + 0.1);
  }
}

void SwordHilt(cairo_t* cr, const PipPen& pen, Rgb grip) {
  RoundedRectPath(cr, -0.27, 0.13, 0.54, 0.065, 0.03);
  FillGold(cr, pen, 0.13, 0.2);
  cairo_rectangle(cr, -0.04, 0.195, 0.08, 0.2);
  FillAndOutline(cr, grip, pen.look.ink, pen.line);
  Circle(cr, 0, 0.43, 0.055);
  FillGold(cr, pen, 0.37, 0.49);
}

void StraightSword(cairo_t* cr, const PipPen& pen) {
  cairo_move_to(cr, 0, -0.5);
  cairo_line_to(cr, 0.08, -0.38);
  cairo_line_to(cr, 0.08, 0.135);
  cairo_line_to(cr, -0.08, 0.135);
  cairo_line_to(cr, -0.08, -0.38);
  cairo_close_path(cr);
  FillShadedAndOutline(cr, Steel(), pen.look.ink, pen.line, -0.5, 0.14);
  cairo_move_to(cr, 0, -0.37);
  cairo_line_to(cr, 0, 0.11);
  SetColour(cr, Shade(Steel(), -0.35));
  cairo_set_line_width(cr, 0.025);
  cairo_stroke(cr);
  SwordHilt(cr, pen, pen.look.suitInk[static_cast<int>(Suit::Spades)]);
}

void CurvedSabre(cairo_t* cr, const PipPen& pen) {
  cairo_rotate(cr, 0.15);
  cairo_move_to(cr, -0.09, 0.135);
  cairo_curve_to(cr, -0.14, -0.10, -0.08, -0.36, 0.14, -0.50);
  cairo_curve_to(cr, 0.08, -0.30, 0.10, -0.08, 0.09, 0.135);
  cairo_close_path(cr);
  FillShadedAndOutline(cr, Shade(pen.look.suitInk[static_cast<int>(Suit::Spades)], 0.6),
                       pen.look.ink, pen.line, -0.5, 0.14);
  SwordHilt(cr, pen, pen.look.accent);
}

}  // namespace

void DrawCoin(cairo_t* cr, const PipPen& pen) {
  Circle(cr, 0, 0, 0.47);
  FillShadedAndOutline(cr, pen.look.gold, pen.look.ink, pen.line * (Bold(pen) ? 1.7 : 1.0), -0.5,
                       0.5);
  ByFamily(cr, pen, SunFace, RosetteFace);
}

void DrawCup(cairo_t* cr, const PipPen& pen) {
  ByFamily(cr, pen, LiddedChalice, GobletCup);
}

void DrawBaton(cairo_t* cr, const PipPen& pen) {
  ByFamily(cr, pen, BandedStaff, KnottyCudgel);
}

void DrawSword(cairo_t* cr, const PipPen& pen) {
  ByFamily(cr, pen, CurvedSabre, StraightSword);
}

}  // namespace verlano::mkres
