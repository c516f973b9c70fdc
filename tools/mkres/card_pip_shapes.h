#pragma once
// The per-suit pip drawers behind DrawPip. Each draws in a unit box centred on
// the origin ([-0.5, 0.5] both ways); DrawPip scales it to the wanted size and
// passes the outline width already converted to those units.

#include <cairo.h>

#include "deck_look.h"

namespace verlano::mkres {

struct PipPen {
  const DeckLook& look;
  double line;  // outline width in unit-box units
};

// Latin suits; `look.pips` picks the ornate or the bold shape of each.
void DrawCoin(cairo_t* cr, const PipPen& pen);
void DrawCup(cairo_t* cr, const PipPen& pen);
void DrawBaton(cairo_t* cr, const PipPen& pen);
void DrawSword(cairo_t* cr, const PipPen& pen);

// French suits, filled in the suit's index colour.
void DrawClub(cairo_t* cr, const PipPen& pen);
void DrawDiamond(cairo_t* cr, const PipPen& pen);
void DrawHeart(cairo_t* cr, const PipPen& pen);
void DrawSpade(cairo_t* cr, const PipPen& pen);

}  // namespace verlano::mkres
