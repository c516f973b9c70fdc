#pragma once
// The suit's sign worn large on a court figure: a paper shield edged in gold
// bearing the deck's own pip, three times the corner index's pip and more, so
// that a court card's suit reads at a glance, also at half size.

#include <cairo.h>

#include "card_figure_parts.h"

namespace verlano::mkres {

// The shield hangs from (x, top) and is `height` figure units tall; on a
// half figure it shrinks to end above the card's middle line.
void DrawEmblem(cairo_t* cr, const FigurePen& pen, double x, double top, double height);

}  // namespace verlano::mkres
