#pragma once
// The three card decks. Each deck folder holds the 40 faces, named by the card
// tables' file names ("AC.BMP" .. "KS.BMP"), the back "S_cardback.bmp" and the
// blue selection frame "FrameBlue.bmp", all 153 pixels high.

#include <vector>

#include "picture.h"

namespace verlano::mkres {

enum class DeckStyle {
  Trevigiano,  // Latin suits, 92 wide
  Trent,       // Latin suits in a second style, 100 wide
  Royal,       // French suits, 100 wide
};

// Every picture of one deck folder, faces first in card-index order.
std::vector<NamedPicture> DrawDeck(DeckStyle style);

}  // namespace verlano::mkres
