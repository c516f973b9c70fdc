#include "card_body.h"

namespace verlano::mkres {

namespace {

// A rounded rectangle `inset` pixels inside the card edge, corners following
// the card's own rounding.
void InsetOutlinePath(cairo_t* cr, const DeckLook& look, double inset) {
  const double radius = kCornerRadius - inset > 1.5 ? kCornerRadius - inset : 1.5;
  RoundedRectPath(cr, inset, inset, look.width - 2 * inset, kCardHeight - 2 * inset, radius);
}

void StrokeBorderLine(cairo_t* cr, const DeckLook& look, double inset, Rgb colour, double width) {
  if (width <= 0) return;
  InsetOutlinePath(cr, look, inset);
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

}  // namespace

void DrawCardBody(cairo_t* cr, const DeckLook& look) {
  InsetOutlinePath(cr, look, 0.5);
  FillAndOutline(cr, look.paper, Shade(look.ink, 0.45), 1.0);
  StrokeBorderLine(cr, look, 2.6, look.borderOuter, look.borderOuterWidth);
  StrokeBorderLine(cr, look, kBorderInset, look.borderInner, look.borderInnerWidth);
}

void ClipToCard(cairo_t* cr, const DeckLook& look) {
  InsetOutlinePath(cr, look, 0.5);
  cairo_clip(cr);
}

void DrawSelectionFrame(cairo_t* cr, const DeckLook& look) {
  constexpr Rgb kSelectionBlue{0.10, 0.38, 0.98};
  StrokeBorderLine(cr, look, 2.0, kSelectionBlue, 4.0);
}

}  // namespace verlano::mkres
