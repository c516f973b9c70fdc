#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "decks.h"
#include "picture.h"

namespace verlano::mkres {
namespace {

// FNV-1a over the encoded BMPs of a deck's number cards (ace to seven of each
// suit), in card order.
std::uint64_t NumberCardsChecksum(DeckStyle style) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const auto& picture : DrawDeck(style)) {
    const char rank = picture.fileName[0];
    if (rank == 'J' || rank == 'Q' || rank == 'K' || picture.fileName.size() != 6) continue;
    for (std::uint8_t byte : EncodeBmp24(picture.picture)) {
      hash = (hash ^ byte) * 0x100000001b3u;
    }
  }
  return hash;
}

// The court figures' colours and signs may change; the number cards keep their
// look. Recorded from the decks before the courts were redrawn (Debian 12's
// cairo, pango and DejaVu fonts): a deliberate change of a number card, or of
// those libraries, records them anew.
TEST(NumberCards, KeepTheirRecordedPixels) {
  EXPECT_EQ(NumberCardsChecksum(DeckStyle::Trevigiano), 13158566179962836499u);
  EXPECT_EQ(NumberCardsChecksum(DeckStyle::Trent), 16587927617692139971u);
  EXPECT_EQ(NumberCardsChecksum(DeckStyle::Royal), 15815477830736029260u);
}

}  // namespace
}  // namespace verlano::mkres
