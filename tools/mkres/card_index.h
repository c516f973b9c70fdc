#pragma once
// The corner indexes: the rank text with a small suit pip under it in the
// top-left corner, and the same turned half round in the bottom-right. In the
// human's hand the cards overlap, so the top-left index alone must name the card.

#include <cairo.h>

#include <string>

#include "deck_look.h"

namespace verlano::mkres {

// "A", "2".."7", or the deck's letter for the page/knight/queen/king; rank
// positions follow the card index (0 ace .. 6 seven, 10..12 the courts).
std::string RankLabel(const DeckLook& look, int rankPosition);

// Throws std::runtime_error if the deck's font lacks a glyph of `rank`, so a
// missing font never ships boxes on the cards.
void DrawCornerIndexes(cairo_t* cr, const DeckLook& look, const std::string& rank, Suit suit);

}  // namespace verlano::mkres
