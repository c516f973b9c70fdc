#pragma once
// Pieces the court figures are built from: heads with their hair, beards and
// headwear, limbs, ermine trim and the suit symbol held in a hand. All work in
// figure units: a box 64 wide (x -32..32) and 132 high (y 0 at the top of the
// head room, feet near 128), which the court drawer scales into the card.

#include <cairo.h>

#include "deck_look.h"

namespace verlano::mkres {

// The Royal deck's half figures show head and chest: figure units 2..62.
inline constexpr double kBustTop = 2;
inline constexpr double kBustBottom = 62;

// What one figure is drawn with: its deck, its suit and its suit's garments.
struct FigurePen {
  const DeckLook& look;
  Suit suit;
  Rgb robe;
  Rgb trim;
  double line;  // outline width in figure units
};

enum class Headwear { None, Cap, Crown, Tiara, Plume };

struct HeadShape {
  double x = 0;
  double y = 0;
  double radius = 9;
  Headwear headwear = Headwear::None;
  bool beard = false;
  bool longHair = false;
};

void DrawHead(cairo_t* cr, const FigurePen& pen, const HeadShape& head);

// A limb as a thick rounded stroke from (x0, y0) to (x1, y1) with an outline.
void DrawLimb(cairo_t* cr, const FigurePen& pen, Rgb colour, double width, double x0, double y0,
              double x1, double y1);

// A hand and, above it, the suit symbol the figure holds up.
void DrawHeldPip(cairo_t* cr, const FigurePen& pen, double handX, double handY, double size);

// White fur with black tails, stroked along the current path (consumed).
void StrokeErmine(cairo_t* cr, const FigurePen& pen, double width);

// A garment widening (or narrowing) from its top edge to its hem, centred on
// `centreX`; `hemDip` bows the hem downwards.
struct Flare {
  double centreX = 0;
  double top = 0;
  double topHalf = 0;
  double bottom = 0;
  double bottomHalf = 0;
  double hemDip = 0;
};

void DrawGarment(cairo_t* cr, const FigurePen& pen, Rgb colour, const Flare& flare);

// Fills the current path with a shaded garment colour and outlines it.
void FillGarment(cairo_t* cr, const FigurePen& pen, Rgb colour, double top, double bottom);

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry);

}  // namespace verlano::mkres
