#include "card_pips.h"

#include "card_pip_shapes.h"

namespace verlano::mkres {

namespace {

using PipDrawer = void (*)(cairo_t*, const PipPen&);

// Drawers in image suit order: clubs/batons, diamonds/coins, hearts/cups, spades/swords.
constexpr PipDrawer kLatinDrawers[4] = {DrawBaton, DrawCoin, DrawCup, DrawSword};
constexpr PipDrawer kFrenchDrawers[4] = {DrawClub, DrawDiamond, DrawHeart, DrawSpade};

constexpr double kOutlinePixels = 0.9;

}  // namespace

void DrawPip(cairo_t* cr, const DeckLook& look, Suit suit, double size) {
  SavedState saved(cr);
  cairo_scale(cr, size, size);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  const PipPen pen{look, kOutlinePixels / size};
  const auto& drawers = look.pips == PipFamily::French ? kFrenchDrawers : kLatinDrawers;
  drawers[static_cast<int>(suit)](cr, pen);
}

}  // namespace verlano::mkres
