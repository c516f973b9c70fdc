#include "card_figures.h"

#include "card_emblem.h"

namespace verlano::mkres {

namespace {

// A youth in a belted tunic and hose, one hand on his hip, the other raising
// the suit symbol.
void DrawPage(cairo_t* cr, const FigurePen& pen) {
  const DeckLook& look = pen.look;
  for (double side : {-1.0, 1.0}) {
    DrawLimb(cr, pen, pen.trim, 5.5, side * 5.5, 88, side * 6.5, 120);
    Ellipse(cr, side * 7.5, 123, 5.5, 3);
    FillAndOutline(cr, Shade(look.ink, 0.2), look.ink, pen.line);
  }
  DrawLimb(cr, pen, Shade(pen.robe, -0.15), 7, -12, 42, -18, 70);
  DrawGarment(cr, pen, pen.robe,
              {.top = 37, .topHalf = 12, .bottom = 92, .bottomHalf = 20, .hemDip = 5});
  // Front opening and hem in the second colour.
  cairo_rectangle(cr, -2.5, 40, 5, 55);
  FillAndOutline(cr, pen.trim, look.ink, pen.line * 0.6);
  cairo_rectangle(cr, -15.5, 62, 31, 4.5);
  FillAndOutline(cr, look.gold, look.ink, pen.line);
  Ellipse(cr, -18, 72, 3, 3);
  FillAndOutline(cr, look.skin, look.ink, pen.line);
  DrawLimb(cr, pen, Shade(pen.robe, -0.15), 7, 12, 42, 22, 30);
  DrawHeldPip(cr, pen, 23, 28, 19);
  DrawEmblem(cr, pen, 0, 38, 30);
  cairo_rectangle(cr, -3, 29, 6, 9);
  FillAndOutline(cr, look.skin, look.ink, pen.line);
  DrawHead(cr, pen, {.x = 0, .y = 22, .radius = 9, .headwear = Headwear::Cap});
}

// A long gown with a fitted bodice, golden hair, a tiara and a rose.
void DrawQueen(cairo_t* cr, const FigurePen& pen) {
  const DeckLook& look = pen.look;
  DrawHead(cr, pen, {.x = 0, .y = 24, .radius = 8.5, .longHair = true});
  DrawGarment(cr, pen, pen.robe, {.top = 62, .topHalf = 9, .bottom = 127, .bottomHalf = 26});
  DrawGarment(cr, pen, Shade(pen.robe, 0.1),
              {.top = 38, .topHalf = 13, .bottom = 64, .bottomHalf = 9});
  cairo_move_to(cr, -12, 39);
  cairo_curve_to(cr, -6, 46, 6, 46, 12, 39);
  SetColour(cr, look.paper);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  DrawLimb(cr, pen, Shade(pen.robe, -0.15), 6, -12, 42, -6, 62);
  DrawLimb(cr, pen, Shade(pen.robe, -0.15), 6, 12, 42, 14, 58);
  // The rose: a stem up from the hand to a red bloom.
  cairo_move_to(cr, 14, 58);
  cairo_curve_to(cr, 16, 50, 18, 44, 18, 38);
  SetColour(cr, look.suitInk[static_cast<int>(Suit::Clubs)]);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  for (int k = 0; k < 5; ++k) {
    SavedState saved(cr);
    cairo_translate(cr, 18, 36);
    cairo_rotate(cr, k * 1.2566);
    Ellipse(cr, 0, -2.6, 2.2, 2.8);
    FillAndOutline(cr, look.wine, look.ink, pen.line * 0.6);
  }
  Ellipse(cr, 18, 36, 1.5, 1.5);
  FillAndOutline(cr, look.gold, look.ink, pen.line * 0.5);
  DrawEmblem(cr, pen, 0, 39, 28);
  const double hands[2][2] = {{-6, 62}, {14, 58}};
  for (const auto& hand : hands) {
    Ellipse(cr, hand[0], hand[1], 2.6, 2.6);
    FillAndOutline(cr, look.skin, look.ink, pen.line);
  }
  DrawHead(cr, pen, {.x = 0, .y = 24, .radius = 8.5, .headwear = Headwear::Tiara});
}

// A bearded, crowned king in a long robe and an ermine-edged mantle.
void DrawKing(cairo_t* cr, const FigurePen& pen) {
  const DeckLook& look = pen.look;
  const Rgb mantle = Shade(pen.robe, -0.35);
  DrawGarment(cr, pen, mantle, {.top = 38, .topHalf = 14, .bottom = 127, .bottomHalf = 28});
  DrawGarment(cr, pen, pen.robe, {.top = 40, .topHalf = 11, .bottom = 127, .bottomHalf = 18});
  cairo_rectangle(cr, -3, 66, 6, 61);
  FillAndOutline(cr, look.gold, look.ink, pen.line * 0.7);
  cairo_rectangle(cr, -14, 62, 28, 4.5);
  FillAndOutline(cr, look.gold, look.ink, pen.line);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, side * 11, 42);
    cairo_line_to(cr, side * 18, 126);
    StrokeErmine(cr, pen, 3);
  }
  DrawLimb(cr, pen, Shade(pen.robe, -0.1), 7, -11, 44, -12, 64);
  Ellipse(cr, -11, 67, 3, 3);
  FillAndOutline(cr, look.skin, look.ink, pen.line);
  DrawLimb(cr, pen, Shade(pen.robe, -0.1), 7, 11, 44, 19, 60);
  DrawHeldPip(cr, pen, 20, 62, 20);
  DrawEmblem(cr, pen, 0, 40, 30);
  cairo_move_to(cr, -13, 40);
  cairo_curve_to(cr, -6, 46, 6, 46, 13, 40);
  StrokeErmine(cr, pen, 4);
  DrawHead(cr, pen, {.x = 0, .y = 25, .radius = 9, .headwear = Headwear::Crown, .beard = true});
}

}  // namespace

void DrawFigure(cairo_t* cr, const DeckLook& look, Figure figure, Suit suit) {
  SavedState saved(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  const Garments& dress = look.garments[static_cast<int>(suit)];
  const FigurePen pen{look, suit, dress.robe, dress.trim, look.figureOutline * 0.7};
  switch (figure) {
    case Figure::Page:
      DrawPage(cr, pen);
      break;
    case Figure::Knight:
      DrawKnight(cr, pen);
      break;
    case Figure::Queen:
      DrawQueen(cr, pen);
      break;
    case Figure::King:
      DrawKing(cr, pen);
      break;
  }
}

}  // namespace verlano::mkres
