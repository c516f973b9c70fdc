#include "deck_look.h"

namespace verlano::mkres {

namespace {

// Red, blue and gold on cream, with a slim double border: the default deck.
DeckLook TrevigianoLook() {
  DeckLook look;
  look.width = 92;
  look.pips = PipFamily::LatinOrnate;
  look.framing = Framing::FullLength;
  look.back = BackPattern::Lattice;
  look.indexFont = "DejaVu Serif";
  look.courtLetters = {"F", "C", "R"};
  look.courtFigures = {Figure::Page, Figure::Knight, Figure::King};
  look.paper = {1.0, 0.985, 0.94};
  look.ink = {0.12, 0.09, 0.08};
  look.borderOuter = {0.70, 0.10, 0.12};
  look.borderInner = {0.78, 0.60, 0.16};
  look.borderOuterWidth = 1.4;
  look.borderInnerWidth = 0.8;
  look.gold = {0.93, 0.72, 0.18};
  look.panel = {0.99, 0.95, 0.84};
  look.suitInk = {Rgb{0.10, 0.42, 0.16}, Rgb{0.62, 0.40, 0.02}, Rgb{0.72, 0.08, 0.10},
                  Rgb{0.10, 0.22, 0.62}};
  look.wine = {0.78, 0.12, 0.16};
  look.wood = {0.16, 0.52, 0.24};
  look.accent = {0.93, 0.72, 0.18};
  look.jewel = {0.16, 0.30, 0.72};
  // Each suit dressed in its index colour: green batons, ochre coins, red cups, blue swords.
  look.garments = {Garments{{0.16, 0.52, 0.24}, {0.80, 0.86, 0.52}},
                   Garments{{0.86, 0.50, 0.06}, {0.46, 0.26, 0.10}},
                   Garments{{0.78, 0.12, 0.16}, {0.98, 0.80, 0.84}},
                   Garments{{0.16, 0.30, 0.72}, {0.64, 0.70, 0.80}}};
  look.skin = {0.99, 0.86, 0.72};
  look.hair = {0.45, 0.26, 0.10};
  look.horseCoat = {0.96, 0.94, 0.90};
  look.backField = {0.12, 0.20, 0.52};
  look.backFigure = {0.93, 0.72, 0.18};
  look.figureOutline = 1.0;
  return look;
}

// Greens, ochre and brick on warm paper, heavier outlines, sun coins and sabres.
DeckLook TrentLook() {
  DeckLook look;
  look.width = 100;
  look.pips = PipFamily::LatinBold;
  look.framing = Framing::FullLength;
  look.back = BackPattern::Medallion;
  look.indexFont = "DejaVu Sans";
  look.courtLetters = {"F", "C", "R"};
  look.courtFigures = {Figure::Page, Figure::Knight, Figure::King};
  look.paper = {0.995, 0.97, 0.90};
  look.ink = {0.16, 0.13, 0.10};
  look.borderOuter = {0.13, 0.36, 0.22};
  look.borderInner = {0.80, 0.52, 0.16};
  look.borderOuterWidth = 2.2;
  look.gold = {0.96, 0.64, 0.12};
  look.panel = {0.93, 0.89, 0.74};
  look.suitInk = {Rgb{0.18, 0.38, 0.10}, Rgb{0.70, 0.36, 0.02}, Rgb{0.64, 0.14, 0.08},
                  Rgb{0.12, 0.28, 0.40}};
  look.wine = {0.68, 0.18, 0.10};
  look.wood = {0.30, 0.52, 0.18};
  look.accent = {0.62, 0.16, 0.10};
  look.jewel = {0.20, 0.42, 0.56};
  look.garments = {Garments{{0.30, 0.52, 0.18}, {0.78, 0.80, 0.50}},
                   Garments{{0.82, 0.46, 0.10}, {0.42, 0.24, 0.10}},
                   Garments{{0.68, 0.16, 0.10}, {0.96, 0.90, 0.80}},
                   Garments{{0.20, 0.42, 0.56}, {0.66, 0.74, 0.78}}};
  look.skin = {0.97, 0.80, 0.62};
  look.hair = {0.20, 0.12, 0.06};
  look.horseCoat = {0.56, 0.34, 0.16};
  look.backField = {0.13, 0.36, 0.22};
  look.backFigure = {0.96, 0.82, 0.48};
  look.figureOutline = 1.6;
  return look;
}

// French suits in red and black, double-headed courts, a red ring back.
DeckLook RoyalLook() {
  DeckLook look;
  look.width = 100;
  look.pips = PipFamily::French;
  look.framing = Framing::DoubleHeaded;
  look.back = BackPattern::Rings;
  look.flipLowerPips = true;
  look.indexFont = "DejaVu Serif";
  look.courtLetters = {"J", "Q", "K"};
  look.courtFigures = {Figure::Page, Figure::Queen, Figure::King};
  look.paper = {1.0, 1.0, 0.99};
  look.ink = {0.06, 0.06, 0.08};
  look.borderOuter = {0.20, 0.20, 0.22};
  look.borderInner = {0.20, 0.20, 0.22};
  const Rgb red{0.80, 0.06, 0.10};
  const Rgb black{0.06, 0.06, 0.08};
  look.gold = {0.96, 0.76, 0.14};
  look.panel = {0.99, 0.95, 0.84};
  look.suitInk = {black, red, red, black};
  look.wine = {0.80, 0.08, 0.12};
  look.jewel = {0.14, 0.28, 0.66};
  // Four colours for two inks, so the two red suits and the two black ones
  // part at a glance: green clubs, orange diamonds, red hearts, blue spades.
  look.garments = {Garments{{0.10, 0.46, 0.26}, {0.74, 0.88, 0.66}},
                   Garments{{0.94, 0.54, 0.08}, {0.50, 0.30, 0.10}},
                   Garments{{0.64, 0.04, 0.18}, {0.98, 0.76, 0.80}},
                   Garments{{0.14, 0.28, 0.66}, {0.66, 0.68, 0.86}}};
  look.skin = {1.0, 0.88, 0.76};
  look.hair = {0.62, 0.40, 0.16};
  look.horseCoat = {0.96, 0.94, 0.90};
  look.backField = {0.66, 0.06, 0.10};
  look.backFigure = {1.0, 0.92, 0.90};
  look.figureOutline = 1.0;
  return look;
}

}  // namespace

const DeckLook& LookOf(DeckStyle style) {
  static const DeckLook trevigiano = TrevigianoLook();
  static const DeckLook trent = TrentLook();
  static const DeckLook royal = RoyalLook();
  switch (style) {
    case DeckStyle::Trent:
      return trent;
    case DeckStyle::Royal:
      return royal;
    case DeckStyle::Trevigiano:
      break;
  }
  return trevigiano;
}

}  // namespace verlano::mkres
