#pragma once
// The suit symbols ("pips") of every deck. One call draws one pip of a suit in
// the deck's pip family, centred on the current origin and `size` pixels high,
// so the pip layouts, the corner indexes, the aces and the figures' hands all
// place the same symbol.

#include <cairo.h>

#include "deck_look.h"

namespace verlano::mkres {

void DrawPip(cairo_t* cr, const DeckLook& look, Suit suit, double size);

}  // namespace verlano::mkres
