// What the table tells the player, drawn: composing twice gives the same
// picture, the mark and the lifted card land where they should, and nothing
// the table says covers a card the player can click, a pile, a hand or the
// score page's banner: the message band and every table text in both
// languages, the last captures laid open (beside their piles, or moved and
// drawn under the table cards while a capture is chosen) and the muted mark.
#include "render/table_notes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/compiled_catalogue.h"
#include "render/compose_frame.h"
#include "render/last_capture_view.h"
#include "render/mute_mark.h"
#include "render/score_page.h"
#include "rules/game.h"
#include "test_pictures.h"

namespace verlano {
namespace {

constexpr std::uint16_t kFace = 0x1234;
constexpr std::uint16_t kMark = 0xFECA;

constexpr DeckChoice kDecks[] = {DeckChoice::Trevigiano, DeckChoice::Royal};
constexpr Variant kVariants[] = {Variant::Nine, Variant::Romane, Variant::UmbriaMarche};

std::string Where(const Rect& r) {
  return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" +
         std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";
}

bool Inside(const Rect& inner, const Rect& outer) {
  return outer.Left <= inner.Left && inner.Right <= outer.Right && outer.Top <= inner.Top &&
         inner.Bottom <= outer.Bottom;
}

// The piles and the hands: what nothing the table says may ever cover.
std::vector<Rect> PilesAndHands(const Game& g) {
  std::vector<Rect> kept{PileRect(g, kSideWe), PileRect(g, kSideThey)};
  for (int seat = 0; seat < 4; ++seat) kept.push_back(HandRect(g, seat));
  return kept;
}

// ...and every table place, where a card may take a click.
std::vector<Rect> CardsPilesAndHands(const Game& g) {
  std::vector<Rect> kept = PilesAndHands(g);
  for (int place = 0; place < kTablePlaces; ++place) kept.push_back(TablePlaceRect(g, place));
  return kept;
}

void ExpectClear(const Rect& drawn, const std::vector<Rect>& kept, const std::string& what) {
  for (const Rect& r : kept) {
    EXPECT_FALSE(Overlap(drawn, r)) << what << " " << Where(drawn) << " over " << Where(r);
  }
}

// The widest a table text can be drawn: every printf number as three digits,
// a sum of chosen table cards reaching 220 with the whole pack.
std::string Widest(const std::string& text) {
  std::string drawn;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "%d") == 0) {
      drawn += "220";
      ++i;
    } else {
      drawn += text[i];
    }
  }
  return drawn;
}

TEST(TableNotes, TheMessageBandTheMarksAndThePointingSpotsCoverNoCardPileOrHand) {
  const clsDXBitmapFont font = test::GlyphFont();
  for (const DeckChoice deck : kDecks) {
    for (const Variant variant : kVariants) {
      Game g(Options{.deck = deck, .variant = variant}, 1);
      DealHand(g);
      const std::vector<Rect> kept = CardsPilesAndHands(g);
      const Rect band = MessageBandRect(g);
      EXPECT_GE(band.Bottom - band.Top, font.height) << "the band holds no line";
      ExpectClear(band, kept, "the message band");
      ExpectClear(MuteMarkRect(g, font), kept, "the muted mark");
      for (int seat = 0; seat < 4; ++seat) ExpectClear(TurnMarkRect(g, seat), kept, "a turn mark");
      // Pointing at a pile lays its last capture open: never while aiming at a card.
      for (const int side : {kSideWe, kSideThey}) {
        std::vector<Rect> places;
        for (int place = 0; place < kTablePlaces; ++place) {
          places.push_back(TablePlaceRect(g, place));
        }
        places.push_back(HandRect(g, 0));
        ExpectClear(PileSpotRect(g, side), places, "a pile's spot");
      }
    }
  }
}

// Every text the table draws, in English and in the compiled Italian, stays
// in the message band with its widest numbers, wherever the line is placed.
TEST(TableNotes, EveryTableTextOfBothLanguagesFitsTheMessageBand) {
  const clsDXBitmapFont font = test::GlyphFont();
  std::vector<std::string> texts;
  for (const test::CatalogueMessage& m : test::ReadCatalogue(VERLANO_ITALIAN_CATALOGUE)) {
    if (m.context != "table") continue;
    texts.push_back(Widest(m.english));
    texts.push_back(Widest(m.translated));
  }
  ASSERT_GT(texts.size(), 10u) << "the table's texts read from " VERLANO_ITALIAN_CATALOGUE;
  for (const DeckChoice deck : kDecks) {
    for (const Variant variant : kVariants) {
      Game g(Options{.deck = deck, .variant = variant}, 1);
      DealHand(g);
      const Rect band = MessageBandRect(g);
      for (const std::string& text : texts) {
        EXPECT_TRUE(Inside(MessageLineRect(g, font, text), band))
            << '"' << text << "\" " << Where(MessageLineRect(g, font, text)) << " leaves the band "
            << Where(band);
      }
    }
  }
}

TEST(TableNotes, TheMutedMarkStaysOffTheScorePage) {
  const clsDXBitmapFont font = test::GlyphFont();
  Game g(Options{}, 1);
  g.turn.GameState = PlayState::HandOver;
  const Rect mark = MuteMarkRect(g, font);
  EXPECT_FALSE(Overlap(mark, ScorePageBannerRect(g.layout))) << Where(mark);
  EXPECT_FALSE(Overlap(mark, ScorePageRect(g.layout))) << Where(mark);
  EXPECT_LE(mark.Right, g.settings.ScreenWidth) << Where(mark);
  EXPECT_GE(mark.Top, 0) << Where(mark);
}

// A side's capture as large as any can be, in its panel beside the pile.
TEST(TableNotes, ALastCaptureBesideItsPileFitsTheScreenClearOfPilesHandsAndTheBand) {
  for (const DeckChoice deck : kDecks) {
    Game g(Options{.deck = deck}, 1);
    DealHand(g);
    std::vector<Rect> kept = PilesAndHands(g);
    kept.push_back(MessageBandRect(g));
    for (const int side : {kSideWe, kSideThey}) {
      SidePiles& pile = side == kSideWe ? g.piles.Our : g.piles.Their;
      pile.Last = LastCapture{.Taker = 4, .TakenCount = kMostTakenCards};
      const Rect panel = LastCapturePanels(g, 1 << side, false)[static_cast<std::size_t>(side)];
      EXPECT_TRUE(Inside(panel, Rect{0, 0, g.settings.ScreenWidth, g.settings.ScreenHeight}))
          << side << " " << Where(panel);
      ExpectClear(panel, kept, "a panel");
      for (int k = 0; k <= kMostTakenCards; ++k) {
        const Rect card = LastCaptureCardRect(g, side, panel, k);
        EXPECT_TRUE(panel.Left < card.Left && card.Right < panel.Right && panel.Top < card.Top &&
                    card.Bottom < panel.Bottom)
            << side << " " << k;
      }
    }
  }
}

// Cards at the first `count` table places, each scattered as a played card may be.
void LayTableCards(Game& g, int count, std::mt19937& random) {
  const Layout& l = g.layout;
  g.piles.TableCount = count;
  for (int i = 0; i < count; ++i) {
    const TableSlot& slot = g.piles.TableSlots[static_cast<std::size_t>(i)];
    CardSprite& s = g.piles.TablePile[static_cast<std::size_t>(i)];
    s = CardSprite{.Card = 5, .Present = true, .FaceUp = true};
    s.X = static_cast<float>(slot.SlotX + static_cast<int>(random() % l.TableJitterX));
    s.Y = static_cast<float>(slot.SlotY + static_cast<int>(random() % l.TableJitterY));
  }
}

long long CoveredArea(const Rect& panel, const std::vector<Rect>& cards) {
  long long area = 0;
  for (const Rect& c : cards) {
    if (!Overlap(panel, c)) continue;
    area += static_cast<long long>(std::min(panel.Right, c.Right) - std::max(panel.Left, c.Left)) *
            (std::min(panel.Bottom, c.Bottom) - std::max(panel.Top, c.Top));
  }
  return area;
}

// While a capture is chosen the panels move: never over a pile, a hand, the
// band or each other; one asked for alone never over more of the table cards
// than beside its pile; and over none while the played card lies alone.
TEST(TableNotes, WhileACaptureIsChosenTheLastCapturesMoveOffTheTableCards) {
  std::mt19937 random(7);
  int runs = 0;
  for (const DeckChoice deck : kDecks) {
    for (int tableCards = 1; tableCards <= 8; ++tableCards) {
      for (int repeat = 0; repeat < 12; ++repeat, ++runs) {
        Game g(Options{.deck = deck}, 1);
        DealHand(g);
        LayTableCards(g, tableCards, random);
        for (SidePiles* side : {&g.piles.Our, &g.piles.Their}) {
          side->Last = LastCapture{.Taker = 4, .TakenCount = 1 + static_cast<int>(random() % 4)};
        }
        std::vector<Rect> cards;
        for (int i = 0; i < tableCards; ++i) {
          const CardSprite& s = g.piles.TablePile[static_cast<std::size_t>(i)];
          const int x = static_cast<int>(s.X), y = static_cast<int>(s.Y);
          cards.push_back(Rect{x, y, x + g.layout.CardWidth, y + kCardHeight});
        }
        std::vector<Rect> kept = PilesAndHands(g);
        kept.push_back(MessageBandRect(g));
        for (const int sides : {1, 2, 3}) {
          const std::array<Rect, 2> panels = LastCapturePanels(g, sides, true);
          for (const int side : {kSideWe, kSideThey}) {
            if ((sides >> side & 1) == 0) continue;
            const Rect& panel = panels[static_cast<std::size_t>(side)];
            const std::string what = "run " + std::to_string(runs) + " side " +
                                     std::to_string(side) + " of " + std::to_string(sides);
            ExpectClear(panel, kept, what);
            if (sides != 3) {
              EXPECT_LE(CoveredArea(panel, cards),
                        CoveredArea(LastCapturePanelRect(g, side), cards))
                  << what;
            }
            if (tableCards == 1) ExpectClear(panel, cards, what);
          }
          if (sides == 3) {
            EXPECT_FALSE(Overlap(panels[0], panels[1])) << runs;
          }
        }
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
    const Rect panel = LastCapturePanelRect(game, side);
    const Rect taker = LastCaptureCardRect(game, side, panel, 0);
    const Rect taken = LastCaptureCardRect(game, side, panel, 1);
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

// A table so full that no panel finds a bare spot: asked for during a
// choice, the last captures change no pixel of any table card.
TEST_F(ComposeFixture, WhileACaptureIsChosenNoLastCaptureHidesATableCard) {
  std::mt19937 random(3);
  LayTableCards(game, kTablePlaces, random);
  for (int i = 0; i < kTablePlaces; ++i) game.piles.TablePile[static_cast<std::size_t>(i)].Card = 9;
  slots->CardImage[9] = test::Solid(92, kCardHeight, 0x4321);
  game.piles.Our.Last = LastCapture{.Taker = 4, .Taken = {5, 6}, .TakenCount = 2};
  game.piles.Their.Last = LastCapture{.Taker = 7, .Taken = {8}, .TakenCount = 1};
  TableNotes notes;
  notes.TableClickable = true;
  const std::vector<std::uint16_t> bare = Compose(notes);
  notes.LastCaptureSides = 3;
  const std::vector<std::uint16_t> asked = Compose(notes);
  int tableCardPixels = 0;
  for (std::size_t i = 0; i < bare.size(); ++i) {
    if (bare[i] != 0x4321) continue;
    ++tableCardPixels;
    ASSERT_EQ(asked[i], 0x4321) << "a table card's pixel at (" << i % 800 << "," << i / 800
                                << ") is covered";
  }
  EXPECT_GT(tableCardPixels, 0);
  EXPECT_NE(asked, bare) << "the last captures show nowhere";
}

}  // namespace
}  // namespace verlano
