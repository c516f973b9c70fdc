#pragma once
// The faces of the three court cards: a framed panel holding the figure,
// full length in the Latin decks and double-headed in the Royal one, with the
// corner indexes on small paper tabs over the panel.

#include <cairo.h>

#include "deck_look.h"

namespace verlano::mkres {

// Draws over an already drawn card body; the indexes come after it.
void DrawCourtFace(cairo_t* cr, const DeckLook& look, Figure figure, Suit suit);

}  // namespace verlano::mkres
