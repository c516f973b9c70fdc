#pragma once
// The court figures: a standing page, a knight on his horse, a queen and a
// crowned king, each in its suit's garments, holding its suit's symbol and
// wearing it large on a shield (card_emblem.h). They draw in figure units (see
// card_figure_parts.h); the court face decides how they are framed on the card.

#include <cairo.h>

#include "card_figure_parts.h"

namespace verlano::mkres {

void DrawFigure(cairo_t* cr, const DeckLook& look, Figure figure, Suit suit);

// The rider and his horse, kept apart for their length; DrawFigure calls it.
void DrawKnight(cairo_t* cr, const FigurePen& pen);

}  // namespace verlano::mkres
