#include "card_index.h"

#include <pango/pangocairo.h>

#include <memory>
#include <numbers>
#include <stdexcept>

#include "card_pips.h"

namespace verlano::mkres {

namespace {

struct GObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
struct FontDescriptionFree {
  void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};
struct AttrListUnref {
  void operator()(PangoAttrList* list) const { pango_attr_list_unref(list); }
};
using Layout = std::unique_ptr<PangoLayout, GObjectUnref>;
using FontDescription = std::unique_ptr<PangoFontDescription, FontDescriptionFree>;
using AttrList = std::unique_ptr<PangoAttrList, AttrListUnref>;

constexpr int kFirstCourtPosition = 10;
constexpr double kIndexPixels = 17;
constexpr double kIndexPipSize = 11;
constexpr double kColumnCentreX = 12.5;  // inside the border, left of every pip column
constexpr double kIndexTop = 7;

Layout IndexLayout(cairo_t* cr, const DeckLook& look, const std::string& rank) {
  Layout layout(pango_cairo_create_layout(cr));
  FontDescription font(pango_font_description_new());
  pango_font_description_set_family(font.get(), look.indexFont.c_str());
  pango_font_description_set_weight(font.get(), PANGO_WEIGHT_BOLD);
  pango_font_description_set_absolute_size(font.get(), kIndexPixels * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), font.get());
  // No silent substitute font: the game's look depends on this one.
  AttrList attributes(pango_attr_list_new());
  pango_attr_list_insert(attributes.get(), pango_attr_fallback_new(FALSE));
  pango_layout_set_attributes(layout.get(), attributes.get());
  pango_layout_set_text(layout.get(), rank.c_str(), -1);
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
