#include <numbers>

#include "card_pip_shapes.h"

namespace verlano::mkres {

namespace {

// Fills the current path in the suit colour with a soft top light; French pips
// carry no outline, so the club's overlapping leaves read as one shape.
void FillFrenchPip(cairo_t* cr, const PipPen& pen, Suit suit) {
  const Rgb colour = pen.look.suitInk[static_cast<int>(suit)];
  FillShadedAndOutline(cr, colour, colour, 0, -0.5, 0.5);
}

// Two rounded lobes meeting in a point; the heart, and upside down (flip -1) the spade.
void LobesPath(cairo_t* cr, double flip) {
  cairo_move_to(cr, 0, 0.46 * flip);
  cairo_curve_to(cr, -0.12, 0.30 * flip, -0.5, 0.10 * flip, -0.5, -0.17 * flip);
  cairo_curve_to(cr, -0.5, -0.42 * flip, -0.18, -0.52 * flip, 0, -0.28 * flip);
  cairo_curve_to(cr, 0.18, -0.52 * flip, 0.5, -0.42 * flip, 0.5, -0.17 * flip);
  cairo_curve_to(cr, 0.5, 0.10 * flip, 0.12, 0.30 * flip, 0, 0.46 * flip);
  cairo_close_path(cr);
}

// The flared foot under the club and the spade.
void StemPath(cairo_t* cr, double top) {
  cairo_move_to(cr, -0.03, top);
  cairo_curve_to(cr, -0.04, 0.30, -0.10, 0.42, -0.17, 0.48);
  cairo_line_to(cr, 0.17, 0.48);
  cairo_curve_to(cr, 0.10, 0.42, 0.04, 0.30, 0.03, top);
  cairo_close_path(cr);
}

}  // namespace

void DrawHeart(cairo_t* cr, const PipPen& pen) {
  LobesPath(cr, 1.0);
  FillFrenchPip(cr, pen, Suit::Hearts);
}

void DrawSpade(cairo_t* cr, const PipPen& pen) {
  {
    SavedState saved(cr);
    cairo_translate(cr, 0, -0.1);
    cairo_scale(cr, 1.0, 0.82);
    LobesPath(cr, -1.0);
  }
  StemPath(cr, 0.1);
  FillFrenchPip(cr, pen, Suit::Spades);
}

void DrawDiamond(cairo_t* cr, const PipPen& pen) {
  cairo_move_to(cr, 0, -0.5);
  cairo_curve_to(cr, 0.12, -0.30, 0.26, -0.14, 0.38, 0);
  cairo_curve_to(cr, 0.26, 0.14, 0.12, 0.30, 0, 0.5);
  cairo_curve_to(cr, -0.12, 0.30, -0.26, 0.14, -0.38, 0);
  cairo_curve_to(cr, -0.26, -0.14, -0.12, -0.30, 0, -0.5);
  cairo_close_path(cr);
  FillFrenchPip(cr, pen, Suit::Diamonds);
}

void DrawClub(cairo_t* cr, const PipPen& pen) {
  constexpr double kLeaf = 0.2;
  const double centres[3][2] = {{0, -0.27}, {-0.24, 0.06}, {0.24, 0.06}};
  for (const auto& c : centres) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c[0], c[1], kLeaf, 0, 2 * std::numbers::pi);
  }
  cairo_rectangle(cr, -0.1, -0.12, 0.2, 0.2);
  StemPath(cr, 0.0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillFrenchPip(cr, pen, Suit::Clubs);
}

}  // namespace verlano::mkres
