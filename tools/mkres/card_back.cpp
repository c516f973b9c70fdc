#include "card_back.h"

#include <numbers>

#include "card_body.h"
#include "card_pips.h"

namespace verlano::mkres {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr double kFieldInset = 5;

void FieldPath(cairo_t* cr, const DeckLook& look) {
  RoundedRectPath(cr, kFieldInset, kFieldInset, look.width - 2 * kFieldInset,
                  kCardHeight - 2 * kFieldInset, 3);
}

// Gold diagonal lattice through the card's middle, red studs where lines cross.
void Lattice(cairo_t* cr, const DeckLook& look) {
  constexpr double kHalfStep = 5;
  const int reach = static_cast<int>((look.width + kCardHeight) / kHalfStep);
  cairo_translate(cr, look.width / 2.0, kCardHeight / 2.0);
  for (int k = -reach; k <= reach; k += 2) {
    cairo_move_to(cr, k * kHalfStep - kCardHeight, -kCardHeight);
    cairo_line_to(cr, k * kHalfStep + kCardHeight, kCardHeight);
    cairo_move_to(cr, k * kHalfStep + kCardHeight, -kCardHeight);
    cairo_line_to(cr, k * kHalfStep - kCardHeight, kCardHeight);
  }
  SetColour(cr, look.backFigure);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  // The lines cross at (m, n) half steps from the middle with m + n even.
  for (int n = -reach; n <= reach; ++n) {
    for (int m = -reach; m <= reach; ++m) {
      if ((m + n) % 2 != 0) continue;
      cairo_new_sub_path(cr);
      cairo_arc(cr, m * kHalfStep, n * kHalfStep, 1.6, 0, kTurn);
    }
  }
  SetColour(cr, look.wine);
  cairo_fill(cr);
}

// Small diamonds in a half-drop grid round an oval medallion with a sun coin.
void Medallion(cairo_t* cr, const DeckLook& look) {
  constexpr double kStep = 9;
  for (int row = 0; row * kStep <= kCardHeight; ++row) {
    for (int col = 0; col * kStep <= look.width; ++col) {
      const double cx = col * kStep + (row % 2 == 0 ? 0 : kStep / 2);
      const double cy = row * kStep;
      cairo_move_to(cr, cx, cy - 3);
      cairo_line_to(cr, cx + 3, cy);
      cairo_line_to(cr, cx, cy + 3);
      cairo_line_to(cr, cx - 3, cy);
      cairo_close_path(cr);
    }
  }
  SetColour(cr, look.backFigure, 0.45);
  cairo_fill(cr);
  SavedState saved(cr);
  cairo_translate(cr, look.width / 2.0, kCardHeight / 2.0);
  {
    SavedState oval(cr);
    cairo_scale(cr, 26, 36);
    cairo_arc(cr, 0, 0, 1, 0, kTurn);
  }
  FillAndOutline(cr, look.paper, look.gold, 2.5);
  DrawPip(cr, look, Suit::Diamonds, 34);
}

// Interlocking rings in pale lines on the red field.
void Rings(cairo_t* cr, const DeckLook& look) {
  constexpr double kStep = 12;
  for (double y = 0; y <= kCardHeight + kStep; y += kStep) {
    for (double x = 0; x <= look.width + kStep; x += kStep) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, y, kStep * 0.72, 0, kTurn);
    }
  }
  SetColour(cr, look.backFigure, 0.75);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

}  // namespace

void DrawCardBack(cairo_t* cr, const DeckLook& look) {
  DrawCardBody(cr, look);
  {
    SavedState saved(cr);
    FieldPath(cr, look);
    cairo_clip_preserve(cr);
    FillShadedAndOutline(cr, look.backField, look.ink, 0, 0, kCardHeight);
    switch (look.back) {
      case BackPattern::Lattice:
        Lattice(cr, look);
        break;
      case BackPattern::Medallion:
        Medallion(cr, look);
        break;
      case BackPattern::Rings:
        Rings(cr, look);
        break;
    }
  }
  FieldPath(cr, look);
  SetColour(cr, look.gold);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

}  // namespace verlano::mkres
