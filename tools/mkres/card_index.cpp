#include "card_index.h"

#include <numbers>
#include <stdexcept>

#include "card_pips.h"
#include "text.h"

namespace verlano::mkres {

namespace {

constexpr int kFirstCourtPosition = 10;
constexpr double kIndexPixels = 17;
constexpr double kIndexPipSize = 11;
constexpr double kColumnCentreX = 12.5;  // inside the border, left of every pip column
constexpr double kIndexTop = 7;

Layout IndexLayout(cairo_t* cr, const DeckLook& look, const std::string& rank) {
  Layout layout = LayoutText(cr, rank, look.indexFont + " Bold", kIndexPixels);
  if (pango_layout_get_unknown_glyphs_count(layout.get()) != 0) {
    throw std::runtime_error("font \"" + look.indexFont + "\" cannot draw index \"" + rank + "\"");
  }
  return layout;
}

// One index, drawn with the card's top-left corner at the origin.
void DrawIndex(cairo_t* cr, const DeckLook& look, PangoLayout* layout, Suit suit) {
  PangoRectangle ink;
  pango_layout_get_pixel_extents(layout, &ink, nullptr);
  {
    SavedState saved(cr);
    cairo_move_to(cr, kColumnCentreX - ink.x - ink.width / 2.0, kIndexTop - ink.y);
    SetColour(cr, look.suitInk[static_cast<int>(suit)]);
    pango_cairo_update_layout(cr, layout);  // follow the turn of the lower index
    pango_cairo_show_layout(cr, layout);
  }
  SavedState saved(cr);
  cairo_translate(cr, kColumnCentreX, kIndexTop + ink.height + 3 + kIndexPipSize / 2);
  DrawPip(cr, look, suit, kIndexPipSize);
}

}  // namespace

std::string RankLabel(const DeckLook& look, int rankPosition) {
  if (rankPosition == 0) return "A";
  if (rankPosition >= kFirstCourtPosition)
    return look.courtLetters.at(rankPosition - kFirstCourtPosition);
  return std::to_string(rankPosition + 1);
}

void DrawCornerIndexes(cairo_t* cr, const DeckLook& look, const std::string& rank, Suit suit) {
  const Layout layout = IndexLayout(cr, look, rank);
  DrawIndex(cr, look, layout.get(), suit);
  SavedState saved(cr);
  cairo_translate(cr, look.width, kCardHeight);
  cairo_rotate(cr, std::numbers::pi);
  DrawIndex(cr, look, layout.get(), suit);
}

}  // namespace verlano::mkres
