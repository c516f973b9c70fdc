#include "card_index.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace verlano::mkres {
namespace {

// With font fallback off, a character the deck's font lacks must stop the
// build instead of shipping an empty box on the cards.
TEST(CornerIndex, RefusesTextTheDeckFontCannotDraw) {
  const Surface surface = NewSurface(100, 153);
  const Context context = NewContext(surface);
  const DeckLook& look = LookOf(DeckStyle::Trevigiano);
  EXPECT_THROW(DrawCornerIndexes(context.get(), look, "\xe4\xb8\x80", Suit::Clubs),
               std::runtime_error);
  EXPECT_NO_THROW(DrawCornerIndexes(context.get(), look, "R", Suit::Clubs));
}

TEST(CornerIndex, LatinDecksUseItalianCourtLettersRoyalUsesFrench) {
  for (DeckStyle style : {DeckStyle::Trevigiano, DeckStyle::Trent}) {
    const DeckLook& look = LookOf(style);
    EXPECT_EQ(RankLabel(look, 10) + RankLabel(look, 11) + RankLabel(look, 12), "FCR");
  }
  const DeckLook& royal = LookOf(DeckStyle::Royal);
  EXPECT_EQ(RankLabel(royal, 10) + RankLabel(royal, 11) + RankLabel(royal, 12), "JQK");
  EXPECT_EQ(RankLabel(royal, 0), "A");
  EXPECT_EQ(RankLabel(royal, 6), "7");
}

}  // namespace
}  // namespace verlano::mkres
