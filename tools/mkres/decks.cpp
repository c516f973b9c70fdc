#include "decks.h"

#include "card_back.h"
#include "card_body.h"
#include "card_court_face.h"
#include "card_index.h"
#include "card_number_face.h"
#include "deck_look.h"
#include "rules/cards.h"

namespace verlano::mkres {

namespace {

constexpr int kSuitCount = 4;
constexpr int kFirstCourtPosition = 10;

Surface DrawFace(const DeckLook& look, int rankPosition, Suit suit) {
  Surface surface = NewSurface(look.width, kCardHeight);
  const Context context = NewContext(surface);
  cairo_t* cr = context.get();
  DrawCardBody(cr, look);
  ClipToCard(cr, look);
  if (rankPosition >= kFirstCourtPosition) {
    DrawCourtFace(cr, look, look.courtFigures.at(rankPosition - kFirstCourtPosition), suit);
  } else {
    DrawNumberFace(cr, look, suit, rankPosition + 1);
  }
  DrawCornerIndexes(cr, look, RankLabel(look, rankPosition), suit);
  return surface;
}

NamedPicture DrawPicture(const DeckLook& look, const char* fileName,
                         void (*draw)(cairo_t*, const DeckLook&)) {
  Surface surface = NewSurface(look.width, kCardHeight);
  draw(NewContext(surface).get(), look);
  return {fileName, std::move(surface)};
}

}  // namespace

std::vector<NamedPicture> DrawDeck(DeckStyle style) {
  const DeckLook& look = LookOf(style);
  CardTables cards;
  BuildCardNames(cards);
  std::vector<NamedPicture> pictures;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (!InPlay(cards, card)) continue;
    pictures.push_back({cards.CardFileName[card],
                        DrawFace(look, card / kSuitCount, static_cast<Suit>(card % kSuitCount))});
  }
  pictures.push_back(DrawPicture(look, "S_cardback.bmp", DrawCardBack));
  pictures.push_back(DrawPicture(look, "FrameBlue.bmp", DrawSelectionFrame));
  return pictures;
}

}  // namespace verlano::mkres
