// What the table tells the player, drawn: composing twice gives the same
// picture, the mark and the lifted card land where they should, neither the
// message line nor a mark covers a card the player can click, and a last
// capture laid open fits beside its pile.
#include "render/table_notes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "render/compose_frame.h"
#include "render/last_capture_view.h"
#include "rules/game.h"
#include "test_pictures.h"

namespace verlano {
namespace {

constexpr std::uint16_t kFace = 0x1234;
constexpr std::uint16_t kMark = 0xFECA;

bool Overlap(const Rect& a, const Rect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Every place a clickable card can cover: the human's hand at its rest
// places, and each table place with its widest jitter.
std::vector<Rect> ClickableCards(const Game& g) {
  const Layout& l = g.layout;
  std::vector<Rect> cards;
  for (int i = 0; i < 10; ++i) {
    const int x = l.HandSlotX + i * l.HandSlotStep;
    cards.push_back({x, l.HandSlotY, x + l.CardWidth, l.HandSlotY + kCardHeight});
  }
  for (int a = 0; a < kTablePlaces; ++a) {
    const TableSlot& s = g.piles.TableSlots[a];
    const int jx = std::max(l.TableJitterX, l.PlaceJitterX);
    const int jy = std::max(l.TableJitterY, l.PlaceJitterY);
    cards.push_back({s.SlotX, s.SlotY, s.SlotX + jx + l.CardWidth, s.SlotY + jy + kCardHeight});
  }
  return cards;
}

TEST(TableNotes, NeitherTheMessageNorAMarkCoversAClickableCard) {
  const clsDXBitmapFont font = test::GlyphFont();
  for (const DeckChoice deck : {DeckChoice::Trevigiano, DeckChoice::Royal}) {
    for (const Variant variant : {Variant::Nine, Variant::Romane, Variant::UmbriaMarche}) {
      Game g(Options{.deck = deck, .variant = variant}, 1);
      DealHand(g);
      std::vector<Rect> covered;
      for (const char* text : {"Your turn", "A card of equal value must be taken: the 10",
                               "These cards add up to 19, not 10"}) {
        const Rect line = MessageLineRect(g, font, text);
        EXPECT_GE(line.Left, 0) << text;
        EXPECT_LE(line.Right, g.settings.ScreenWidth) << text;
        covered.push_back(line);
      }
      for (int seat = 0; seat < 4; ++seat) covered.push_back(TurnMarkRect(g, seat));
      // Pointing at a pile lays its last capture open: never while aiming at a card.
      for (const int side : {kSideWe, kSideThey}) covered.push_back(PileSpotRect(g, side));
      for (const Rect& card : ClickableCards(g)) {
        for (const Rect& r : covered) {
          EXPECT_FALSE(Overlap(r, card)) << "(" << r.Left << "," << r.Top << ") over the card at ("
                                         << card.Left << "," << card.Top << ")";
        }
      }
    }
  }
}

TEST(TableNotes, ALastCaptureLaidOpenFitsTheScreenClearOfTheMessageAndTheHand) {
  const clsDXBitmapFont font = test::GlyphFont();
  for (const DeckChoice deck : {DeckChoice::Trevigiano, DeckChoice::Royal}) {
    Game g(Options{.deck = deck}, 1);
    DealHand(g);
    const Rect line = MessageLineRect(g, font, "A card of equal value must be taken: the 10");
    const Rect hand{0, g.layout.Hand0Y, g.settings.ScreenWidth, g.settings.ScreenHeight};
    for (const int side : {kSideWe, kSideThey}) {
      // As many cards as a capture can ever take.
      (side == kSideWe ? g.piles.Our : g.piles.Their).Last.TakenCount = kMostTakenCards;
      const Rect panel = LastCapturePanelRect(g, side);
      EXPECT_GE(panel.Left, 0) << side;
      EXPECT_LE(panel.Right, g.settings.ScreenWidth) << side;
      EXPECT_GE(panel.Top, 0) << side;
      for (const Rect& clear : {line, hand, PileSpotRect(g, side)}) {
        EXPECT_FALSE(Overlap(panel, clear))
            << side << " (" << clear.Left << "," << clear.Top << ")";
      }
      for (int k = 0; k <= kMostTakenCards; ++k) {
        const Rect card = LastCaptureCardRect(g, side, k);
        EXPECT_TRUE(panel.Left < card.Left && card.Right < panel.Right && panel.Top < card.Top &&
                    card.Bottom < panel.Bottom)
            << side << " " << k;
      }
    }
  }
}

struct ComposeFixture : ::testing::Test {
  ComposeFixture() {
    slots->Background = test::Solid(800, 600, 0x0010);
    slots->Background.HasColorKey = false;
    slots->CardBack = test::Solid(92, kCardHeight, 0x0800);
    for (Surface& face : slots->CardImage) face = test::Solid(92, kCardHeight, kFace);
    slots->Cursor = test::Solid(32, 32, 0x0020);
    slots->DigitFont = test::GlyphFont();
    slots->DeluxeFont = test::GlyphFont();
    DealHand(game);
    for (int i = 0; i < 10; ++i) {
      CardSprite& s = game.piles.Hand[0][i];
      s.X = static_cast<float>(s.HomeX), s.Y = static_cast<float>(s.HomeY);
      s.Present = true, s.Card = 4;
    }
  }

  std::vector<std::uint16_t> Compose(const TableNotes& notes) {
    ComposeFrame(game, *slots, screen, TimeOfDay{21, 5}, 400, 300, notes);
    return screen.BackBuffer.Pixels;
  }

  Game game{Options{}, 1};
  std::unique_ptr<ResourceSlots> slots = std::make_unique<ResourceSlots>();
  Screen screen = MakeScreen(800, 600);
};

TEST_F(ComposeFixture, ComposingTwiceGivesTheSamePictureWithEachNoteWhereSaid) {
  const TableNotes notes{.MarkerSeat = 1, .Message = "Your turn", .LiftedHandSlot = 9};
  const std::vector<std::uint16_t> first = Compose(notes);
  EXPECT_EQ(Compose(notes), first);
  const Rect mark = TurnMarkRect(game, 1);
  EXPECT_EQ(screen.BackBuffer.At(mark.Left, mark.Top), kMark);
  EXPECT_EQ(screen.BackBuffer.At(mark.Right - 1, mark.Bottom - 1), kMark);
  // "Y" is the first glyph: its cell's top-left pixel at the line's corner.
  const Rect line = MessageLineRect(game, slots->DeluxeFont, notes.Message);
  EXPECT_EQ(screen.BackBuffer.At(line.Left, line.Top), test::GlyphPixel('Y' - 32, 0, 0));
  // The lifted card is drawn higher, the others where they rest.
  const CardSprite& lifted = game.piles.Hand[0][9];
  EXPECT_EQ(screen.BackBuffer.At(lifted.HomeX + 50, lifted.HomeY - kHandCardLift), kFace);
  EXPECT_NE(screen.BackBuffer.At(lifted.HomeX + 50, lifted.HomeY + kCardHeight - 1), kFace);
  const CardSprite& resting = game.piles.Hand[0][0];
  EXPECT_NE(screen.BackBuffer.At(resting.HomeX + 10, resting.HomeY - 1), kFace);
}

TEST_F(ComposeFixture, OnlyTheSidesAskedForHaveTheirLastCaptureLaidOpen) {
  game.piles.Our.Last = LastCapture{.Taker = 4, .Taken = {5, 6}, .TakenCount = 2};
  game.piles.Their.Last = LastCapture{.Taker = 7, .Taken = {8}, .TakenCount = 1};
  const auto shown = [this](int side) {
    const Rect taker = LastCaptureCardRect(game, side, 0);
    const Rect taken = LastCaptureCardRect(game, side, 1);
    return screen.BackBuffer.At(taker.Left + 20, taker.Top + 5) == kFace &&
           screen.BackBuffer.At(taken.Left + 20, taken.Top + 5) == kFace;
  };
  for (const int sides : {0, 1, 2, 3}) {
    TableNotes notes;
    notes.LastCaptureSides = sides;
    Compose(notes);
    EXPECT_EQ(shown(kSideWe), (sides & 1) != 0) << sides;
    EXPECT_EQ(shown(kSideThey), (sides & 2) != 0) << sides;
  }
}

}  // namespace
}  // namespace verlano
