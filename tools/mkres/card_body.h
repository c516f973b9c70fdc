#pragma once
// The card blank every picture of a deck starts from: the rounded outline with
// its transparent corners, the paper and the border lines; and the blue
// selection frame drawn over a chosen table card.

#include <cairo.h>

#include "deck_look.h"

namespace verlano::mkres {

// Paper inside the rounded outline, a thin edge line and the deck's border.
void DrawCardBody(cairo_t* cr, const DeckLook& look);

// Limits later drawing to the inside of the card outline.
void ClipToCard(cairo_t* cr, const DeckLook& look);

// A blue rounded outline about 4 pixels wide along the card edge; the inside
// stays transparent so the chosen card shows through.
void DrawSelectionFrame(cairo_t* cr, const DeckLook& look);

// Inset (pixels from the card edge) of the inner border: the space left for
// pips and figures starts inside it.
inline constexpr double kBorderInset = 4.5;

}  // namespace verlano::mkres
