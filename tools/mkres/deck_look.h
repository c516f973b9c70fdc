#pragma once
// What makes one deck look like itself: card width, palette, pip family, index
// font and court letters, border, figure framing and back pattern. Every drawer
// reads its choices from here, so the three decks share one set of drawing code
// and differ only in this table.

#include <array>
#include <string>

#include "card_paint.h"
#include "decks.h"

namespace verlano::mkres {

// Suits in image suit order (the card index's low two bits). Latin decks draw
// them as batons, coins, cups and swords; the Royal deck as clubs, diamonds,
// hearts and spades.
enum class Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };

enum class PipFamily {
  LatinOrnate,  // rosette coins, slender goblets, knotty cudgels, straight swords
  LatinBold,    // sun-ray coins, wide chalices, banded staves, curved sabres
  French,       // clubs, diamonds, hearts and spades
};

// Court figures: the page and the king in both Latin decks and the Royal one;
// the knight rides only in Latin decks, the queen sits only in the Royal one.
enum class Figure { Page, Knight, Queen, King };

enum class Framing {
  FullLength,    // one standing or riding figure filling the panel
  DoubleHeaded,  // a half figure mirrored top and bottom
};

enum class BackPattern { Lattice, Medallion, Rings };

// What a court figure of one suit wears. Every suit of a deck has its own, so
// that a figure's suit shows in its clothes before its sign is read.
struct Garments {
  Rgb robe;  // tunic, gown or robe; sleeves, cap and mantle are shades of it
  Rgb trim;  // hose and the tunic's front band
};

struct DeckLook {
  int width = 0;
  PipFamily pips = PipFamily::LatinOrnate;
  Framing framing = Framing::FullLength;
  BackPattern back = BackPattern::Lattice;
  bool flipLowerPips = false;  // pips below the middle drawn upside down
  std::string indexFont;       // Pango family name
  std::array<std::string, 3> courtLetters;
  std::array<Figure, 3> courtFigures;

  Rgb paper;
  Rgb ink;                      // outlines
  Rgb borderOuter;              // frame line just inside the card edge
  Rgb borderInner;              // the thinner second line inside it
  double borderOuterWidth = 0;  // 0 leaves the line out
  double borderInnerWidth = 0;
  Rgb gold;
  Rgb panel;                         // behind the court figures
  std::array<Rgb, 4> suitInk;        // index colour per suit
  Rgb wine;                          // the cups' wine, the coins' petals, lips, the back's red
  Rgb wood;                          // the batons' wood
  Rgb accent;                        // the pips' bands, bosses and hilts
  Rgb jewel;                         // the crowns' middle stone
  std::array<Garments, 4> garments;  // a court figure's clothes per suit
  Rgb skin;
  Rgb hair;
  Rgb horseCoat;
  Rgb backField;
  Rgb backFigure;
  double figureOutline = 1.0;  // line width of figure outlines, in figure units
};

inline constexpr int kCardHeight = 153;
inline constexpr double kCornerRadius = 6.0;

const DeckLook& LookOf(DeckStyle style);

}  // namespace verlano::mkres
