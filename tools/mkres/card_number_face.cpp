#include "card_number_face.h"

#include <cmath>
#include <numbers>

#include "card_pip_layout.h"
#include "card_pips.h"

namespace verlano::mkres {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr double kPipSize = 24;
constexpr double kRowStep = 40;
// Pips stay right of the corner index column (and left of the turned one).
constexpr double kPipAreaInset = 19;
constexpr double kAcePipSize = 54;

// A curling sprig of three leaves growing from the origin along +x.
void Sprig(cairo_t* cr, Rgb leaf) {
  const Rgb stem = Shade(leaf, -0.45);
  cairo_scale(cr, 1.25, 1.25);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, 6, -5, 12, 4, 18, -1);
  SetColour(cr, stem);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  const double leaves[3][3] = {{6, -2.5, -0.8}, {11, 1.5, 0.7}, {17.5, -1.2, -0.2}};
  for (const auto& l : leaves) {
    SavedState saved(cr);
    cairo_translate(cr, l[0], l[1]);
    cairo_rotate(cr, l[2]);
    cairo_scale(cr, 3.6, 1.7);
    cairo_arc(cr, 0, 0, 1, 0, kTurn);
    FillAndOutline(cr, leaf, stem, 0);
  }
}

// Sprigs at the four diagonals of the large pip, turned outwards.
void AceFlourish(cairo_t* cr, const DeckLook& look, Suit suit, double reach) {
  const Rgb leaf = Shade(look.suitInk[static_cast<int>(suit)], 0.15);
  for (int k = 0; k < 4; ++k) {
    SavedState saved(cr);
    const double angle = kTurn / 8 + k * kTurn / 4;
    cairo_rotate(cr, angle);
    cairo_translate(cr, reach, 0);
    if (k % 2 == 1) cairo_scale(cr, 1, -1);  // mirror pairs so the frame is symmetric
    Sprig(cr, leaf);
  }
}

// The ace of coins: a sun halo of alternating rays, a beaded rim on the coin
// and sprigs above and below.
void CoinAceHalo(cairo_t* cr, const DeckLook& look, double radius) {
  constexpr int kRays = 24;
  const Rgb red = look.wine;
  for (int k = 0; k < kRays; ++k) {
    SavedState saved(cr);
    cairo_rotate(cr, k * kTurn / kRays);
    cairo_move_to(cr, -3.2, -radius + 2);
    cairo_line_to(cr, 0, -radius - (k % 2 == 0 ? 11 : 7));
    cairo_line_to(cr, 3.2, -radius + 2);
    cairo_close_path(cr);
    FillAndOutline(cr, k % 2 == 0 ? look.gold : red, look.ink, 0.6);
  }
}

void CoinAceBeads(cairo_t* cr, const DeckLook& look, double radius) {
  constexpr int kBeads = 28;
  for (int k = 0; k < kBeads; ++k) {
    const double a = k * kTurn / kBeads;
    cairo_new_sub_path(cr);
    cairo_arc(cr, radius * std::cos(a), radius * std::sin(a), 1.1, 0, kTurn);
  }
  SetColour(cr, Shade(look.gold, -0.5));
  cairo_fill(cr);
}

void DrawAce(cairo_t* cr, const DeckLook& look, Suit suit) {
  SavedState saved(cr);
  cairo_translate(cr, look.width / 2.0, kCardHeight / 2.0);
  const bool coins = suit == Suit::Diamonds && look.pips != PipFamily::French;
  if (coins) {
    CoinAceHalo(cr, look, kAcePipSize / 2);
    AceFlourish(cr, look, Suit::Clubs, kAcePipSize / 2 + 6);
  } else {
    AceFlourish(cr, look, suit, kAcePipSize / 2 - 4);
  }
  DrawPip(cr, look, suit, kAcePipSize);
  if (coins) CoinAceBeads(cr, look, kAcePipSize * 0.43);
}

}  // namespace

void DrawNumberFace(cairo_t* cr, const DeckLook& look, Suit suit, int pips) {
  if (pips == 1) {
    DrawAce(cr, look, suit);
    return;
  }
  const double columnStep = look.width / 2.0 - kPipAreaInset - kPipSize / 2;
  for (const PipSpot& spot : PipSpots(pips)) {
    SavedState saved(cr);
    cairo_translate(cr, look.width / 2.0 + spot.column * columnStep,
                    kCardHeight / 2.0 + spot.row * kRowStep);
    if (look.flipLowerPips && spot.row > 0) cairo_rotate(cr, std::numbers::pi);
    DrawPip(cr, look, suit, kPipSize);
  }
}

}  // namespace verlano::mkres
