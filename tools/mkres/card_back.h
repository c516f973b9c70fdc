#pragma once
// The back of a deck's cards: a paper margin round a coloured field with the
// deck's own pattern, so the three decks are told apart face down too.

#include <cairo.h>

#include "deck_look.h"

namespace verlano::mkres {

void DrawCardBack(cairo_t* cr, const DeckLook& look);

}  // namespace verlano::mkres
