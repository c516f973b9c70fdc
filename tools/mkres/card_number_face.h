#pragma once
// The faces of the ace to the seven: pips laid out by the pip-layout table,
// the ace as one large pip framed by flourishes (the ace of coins richest of
// all, since coins are the scoring suit).

#include <cairo.h>

#include "deck_look.h"

namespace verlano::mkres {

// `pips` is 1..7; draws over an already drawn card body.
void DrawNumberFace(cairo_t* cr, const DeckLook& look, Suit suit, int pips);

}  // namespace verlano::mkres
