#include <gtest/gtest.h>

#include <array>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "decks.h"
#include "picture.h"
#include "rules/cards.h"

namespace verlano::mkres {
namespace {

constexpr int kHeight = 153;
constexpr std::uint32_t kMagenta = 0xFF00FF;
constexpr std::size_t kFaces = 40;
constexpr std::size_t kBack = 40;
constexpr std::size_t kFrame = 41;

int WidthOf(DeckStyle style) {
  return style == DeckStyle::Trevigiano ? 92 : 100;
}

// Each deck drawn once per test run; the drawing tests compare against it.
const std::vector<NamedPicture>& Deck(DeckStyle style) {
  static std::array<std::vector<NamedPicture>, 3> decks;
  auto& deck = decks[static_cast<int>(style)];
  if (deck.empty()) deck = DrawDeck(style);
  return deck;
}

int Alpha(const Surface& surface, int x, int y) {
  cairo_surface_flush(surface.get());
  const unsigned char* row = cairo_image_surface_get_data(surface.get()) +
                             y * cairo_image_surface_get_stride(surface.get());
  return reinterpret_cast<const std::uint32_t*>(row)[x] >> 24;
}

// 0xRRGGBB of pixel (x, y), y counted from the top, of a bottom-up 24-bit BMP.
std::uint32_t BmpPixel(const std::vector<std::uint8_t>& bmp, int width, int x, int y) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const std::size_t at = 54 + static_cast<std::size_t>((kHeight - 1 - y) * rowBytes + x * 3);
  return (std::uint32_t{bmp[at + 2]} << 16) | (std::uint32_t{bmp[at + 1]} << 8) | bmp[at];
}

// The encoded pixels of a rectangle, as one comparable string.
std::string Crop(const std::vector<std::uint8_t>& bmp, int width, int x0, int y0, int x1, int y1) {
  std::string bytes;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) bytes += std::to_string(BmpPixel(bmp, width, x, y)) + ",";
  }
  return bytes;
}

class DeckPictures : public ::testing::TestWithParam<DeckStyle> {};

TEST_P(DeckPictures, FortyFacesInCardOrderThenBackAndFrameAllCardSized) {
  const auto& deck = Deck(GetParam());
  ASSERT_EQ(deck.size(), kFaces + 2);
  CardTables cards;
  BuildCardNames(cards);
  std::size_t face = 0;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (InPlay(cards, card)) {
      EXPECT_EQ(deck[face++].fileName, cards.CardFileName[card]);
    }
  }
  EXPECT_EQ(face, kFaces);
  EXPECT_EQ(deck[kBack].fileName, "S_cardback.bmp");
  EXPECT_EQ(deck[kFrame].fileName, "FrameBlue.bmp");
  for (const auto& picture : deck) {
    EXPECT_EQ(cairo_image_surface_get_width(picture.picture.get()), WidthOf(GetParam()))
        << picture.fileName;
    EXPECT_EQ(cairo_image_surface_get_height(picture.picture.get()), kHeight) << picture.fileName;
  }
}

// Rounded corners show the table through; the card itself reaches its edges.
TEST_P(DeckPictures, CornersTransparentBodyOpaqueToTheEdges) {
  const auto& deck = Deck(GetParam());
  const int w = WidthOf(GetParam());
  for (std::size_t i = 0; i <= kBack; ++i) {
    const Surface& s = deck[i].picture;
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, kHeight - 1}, {w - 1, kHeight - 1}}) {
      EXPECT_LT(Alpha(s, x, y), 128) << deck[i].fileName << " corner " << x << "," << y;
    }
    for (auto [x, y] : {std::pair{w / 2, kHeight / 2},
                        {0, kHeight / 2},
                        {w - 1, kHeight / 2},
                        {w / 2, 0},
                        {w / 2, kHeight - 1}}) {
      EXPECT_GE(Alpha(s, x, y), 128) << deck[i].fileName << " at " << x << "," << y;
    }
  }
}

// The game keys on exact magenta: a drawn pixel of that colour would punch a hole.
TEST_P(DeckPictures, EncodedMagentaExactlyWhereTransparent) {
  const int w = WidthOf(GetParam());
  for (const auto& picture : Deck(GetParam())) {
    const auto bmp = EncodeBmp24(picture.picture);
    int mismatches = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool transparent = Alpha(picture.picture, x, y) < 128;
        mismatches += transparent != (BmpPixel(bmp, w, x, y) == kMagenta);
      }
    }
    EXPECT_EQ(mismatches, 0) << picture.fileName;
  }
}

TEST_P(DeckPictures, DrawingAgainGivesTheSameBytes) {
  const auto& first = Deck(GetParam());
  const auto second = DrawDeck(GetParam());
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(EncodeBmp24(first[i].picture), EncodeBmp24(second[i].picture)) << first[i].fileName;
  }
}

// In the human's hand only the left part of a card shows: its top-left corner
// alone must tell every card of the deck apart.
TEST_P(DeckPictures, TopLeftCornerAloneTellsEveryCardApart) {
  const auto& deck = Deck(GetParam());
  const int w = WidthOf(GetParam());
  std::set<std::string> corners;
  for (std::size_t i = 0; i < kFaces; ++i) {
    corners.insert(Crop(EncodeBmp24(deck[i].picture), w, 0, 0, 21, 44));
  }
  EXPECT_EQ(corners.size(), kFaces);
}

TEST_P(DeckPictures, FrameIsABlueRingAroundAClearMiddle) {
  const auto& frame = Deck(GetParam())[kFrame].picture;
  const int w = WidthOf(GetParam());
  const auto bmp = EncodeBmp24(frame);
  EXPECT_EQ(BmpPixel(bmp, w, w / 2, kHeight / 2), kMagenta);
  EXPECT_EQ(BmpPixel(bmp, w, 8, 8), kMagenta);  // just inside the ring
  for (auto [x, y] :
       {std::pair{2, kHeight / 2}, {w - 3, kHeight / 2}, {w / 2, 2}, {w / 2, kHeight - 3}}) {
    const std::uint32_t rgb = BmpPixel(bmp, w, x, y);
    const int r = rgb >> 16, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    EXPECT_NE(rgb, kMagenta) << x << "," << y;
    EXPECT_GT(b, 200) << x << "," << y;
    EXPECT_GT(b, r + 100) << x << "," << y;
    EXPECT_GT(b, g + 60) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(AllDecks, DeckPictures,
                         ::testing::Values(DeckStyle::Trevigiano, DeckStyle::Trent,
                                           DeckStyle::Royal),
                         [](const ::testing::TestParamInfo<DeckStyle>& deck) {
                           switch (deck.param) {
                             case DeckStyle::Trevigiano:
                               return std::string("Trevigiano");
                             case DeckStyle::Trent:
                               return std::string("Trent");
                             case DeckStyle::Royal:
                               break;
                           }
                           return std::string("Royal");
                         });

// Trent and Royal share a size, so a style mix-up would show as equal pictures.
TEST(DeckDifferences, TrentAndRoyalShareNoFaceOrBack) {
  const auto& trent = Deck(DeckStyle::Trent);
  const auto& royal = Deck(DeckStyle::Royal);
  for (std::size_t i = 0; i <= kBack; ++i) {
    EXPECT_NE(EncodeBmp24(trent[i].picture), EncodeBmp24(royal[i].picture)) << trent[i].fileName;
  }
}

TEST(DeckDifferences, BacksDifferInTheAreaAllDecksShare) {
  std::set<std::string> middles;
  for (DeckStyle style : {DeckStyle::Trevigiano, DeckStyle::Trent, DeckStyle::Royal}) {
    const auto bmp = EncodeBmp24(Deck(style)[kBack].picture);
    middles.insert(Crop(bmp, WidthOf(style), 10, 20, 80, 130));
  }
  EXPECT_EQ(middles.size(), 3u);
}

// Counts encoded pixels that satisfy `test` (given r, g, b).
template <typename Test>
int CountPixels(const NamedPicture& picture, Test test) {
  const int w = cairo_image_surface_get_width(picture.picture.get());
  const auto bmp = EncodeBmp24(picture.picture);
  int count = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t rgb = BmpPixel(bmp, w, x, y);
      if (rgb != kMagenta) count += test(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
  }
  return count;
}

const NamedPicture& Card(DeckStyle style, const std::string& fileName) {
  for (const auto& picture : Deck(style)) {
    if (picture.fileName == fileName) return picture;
  }
  throw std::out_of_range(fileName);
}

bool Red(int r, int g, int b) {
  return r > 150 && g < 90 && b < 90;
}
bool Gold(int r, int g, int b) {
  return r > 180 && g > 120 && b < 100;
}

// Suits land on the right cards: red diamonds and hearts, black clubs and spades.
TEST(SuitColours, RoyalRedSuitsAreRedAndBlackSuitsHaveNoRed) {
  for (const char* rank : {"A", "2", "5", "7"}) {
    for (const char* suit : {"D", "H"}) {
      EXPECT_GT(CountPixels(Card(DeckStyle::Royal, std::string(rank) + suit + ".BMP"), Red), 150)
          << rank << suit;
    }
    for (const char* suit : {"C", "S"}) {
      EXPECT_EQ(CountPixels(Card(DeckStyle::Royal, std::string(rank) + suit + ".BMP"), Red), 0)
          << rank << suit;
    }
  }
}

// Coins are the gold suit of the Latin decks: every coin card outshines the
// same rank in any other suit.
TEST(SuitColours, LatinCoinCardsAreTheGoldOnes) {
  for (DeckStyle style : {DeckStyle::Trevigiano, DeckStyle::Trent}) {
    for (const char* rank : {"A", "3", "6", "7"}) {
      const int coins = CountPixels(Card(style, std::string(rank) + "D.BMP"), Gold);
      for (const char* suit : {"C", "H", "S"}) {
        EXPECT_GT(coins, CountPixels(Card(style, std::string(rank) + suit + ".BMP"), Gold))
            << rank << suit;
      }
    }
  }
}

}  // namespace
}  // namespace verlano::mkres
