// Which picture the table drawing puts where: every picture is a solid colour,
// so one pixel of the back buffer names the picture on top there.
#include "render/draw_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "render/fill_rect.h"
#include "render/table_areas.h"
#include "rules/game.h"
#include "test_pictures.h"

namespace verlano {
namespace {

using test::Solid;

constexpr int kCardSize = 10;
constexpr std::uint16_t kBackground = 0x0010;
constexpr std::uint16_t kCardBack = 0x0800;
constexpr std::uint16_t kFrame = 0x07E0;
constexpr std::uint16_t kScorePage = 0x0400;
constexpr std::uint16_t kFaceBase = 0x1000;  // + card index

struct TableFixture : ::testing::Test {
  TableFixture() {
    slots->Background = Solid(800, 600, kBackground);
    slots->Background.HasColorKey = false;
    slots->CardBack = Solid(kCardSize, kCardSize, kCardBack);
    for (int card = 0; card < kCardImageEntries; ++card) {
      slots->CardImage[static_cast<std::size_t>(card)] =
          Solid(kCardSize, kCardSize, static_cast<std::uint16_t>(kFaceBase + card));
    }
    slots->FrameBlue = Solid(kCardSize, kCardSize, kFrame);
    slots->ScorePage = Solid(20, 20, kScorePage);
    slots->DigitFont = test::GlyphFont();
    for (clsDXBitmapFont& font : slots->HandFonts) font = test::GlyphFont();
  }

  std::uint16_t Draw(int x, int y, const TableNotes& notes = {}) {
    screen = MakeScreen(800, 600);
    DrawTable(game, *slots, screen, TimeOfDay{21, 5}, notes);
    return screen.BackBuffer.At(x, y);
  }

  static void Place(CardSprite& sprite, int card, float x, float y, bool faceUp) {
    sprite = CardSprite{.X = x, .Y = y, .Card = card, .Present = true, .FaceUp = faceUp};
  }

  Game game{Options{}, 1};
  std::unique_ptr<ResourceSlots> slots = std::make_unique<ResourceSlots>();
  Screen screen;
};

std::uint16_t Face(int card) {
  return static_cast<std::uint16_t>(kFaceBase + card);
}

TEST_F(TableFixture, SidePileShowsOnlyItsElevenNewestCards) {
  struct Case {
    int count, firstShown;
  };
  for (const Case c : {Case{11, 0}, Case{12, 1}, Case{25, 14}}) {
    SidePiles& pile = game.piles.Our;
    pile.PileCount = c.count;
    for (int i = 0; i < c.count; ++i) {
      Place(pile.Pile[static_cast<std::size_t>(i)], 3, 20.0f * i, 300, false);
    }
    Draw(0, 0);
    for (int i = 0; i < c.count; ++i) {
      EXPECT_EQ(screen.BackBuffer.At(20 * i, 300), i < c.firstShown ? 0 : kCardBack)
          << "pile of " << c.count << ", entry " << i;
    }
  }
}

TEST_F(TableFixture, BlueFrameMarksOnlyChosenFaceUpTableCards) {
  game.piles.TableCount = 3;
  Place(game.piles.TablePile[0], 5, 100, 100, true);
  Place(game.piles.TablePile[1], 6, 200, 100, true);
  Place(game.piles.TablePile[2], 7, 300, 100, false);
  game.piles.TablePile[1].Chosen = true;
  game.piles.TablePile[2].Chosen = true;
  EXPECT_EQ(Draw(100, 100), Face(5));
  EXPECT_EQ(screen.BackBuffer.At(200, 100), kFrame);
  EXPECT_EQ(screen.BackBuffer.At(300, 100), kCardBack);
}

TEST_F(TableFixture, AHintOutlinesTheLitCardsWhereTheyAreDrawnAndNoOthers) {
  game.piles.TableCount = 2;
  Place(game.piles.TablePile[0], 5, 100, 100, true);
  Place(game.piles.TablePile[1], 6, 200, 100, true);
  Place(game.piles.Hand[0][3], 8, 300, 420, true);
  const auto ring = [this](int left, int top) {
    // Just outside each corner, and the card's own corner inside.
    return std::vector<std::uint16_t>{screen.BackBuffer.At(left - 1, top - 1),
                                      screen.BackBuffer.At(left - 3, top + 5),
                                      screen.BackBuffer.At(left + kCardSize, top + kCardSize),
                                      screen.BackBuffer.At(left + kCardSize + 2, top - 3)};
  };
  const std::vector<std::uint16_t> lit(4, kMarkColour);
  const std::vector<std::uint16_t> bare(4, 0);
  TableNotes notes;
  notes.LitTable = 0b10;
  notes.LitHandSlot = 3;
  Draw(0, 0, notes);
  EXPECT_EQ(ring(200, 100), lit);
  EXPECT_EQ(screen.BackBuffer.At(200, 100), Face(6));
  EXPECT_EQ(ring(100, 100), bare);
  // The lit hand card is lifted as the one under the pointer is.
  EXPECT_EQ(ring(300, 420 - kHandCardLift), lit);
  EXPECT_EQ(screen.BackBuffer.At(300, 420 - kHandCardLift), Face(8));
  Draw(0, 0);
  EXPECT_EQ(ring(200, 100), bare);
  EXPECT_EQ(ring(300, 420), bare);
}

TEST_F(TableFixture, HandsShowBacksUntilTurnedButTheHumansFacesAlways) {
  Place(game.piles.Hand[0][0], 8, 5, 420, false);
  Place(game.piles.Hand[1][0], 9, 610, 420, false);
  Place(game.piles.Hand[3][2], 10, 17, 5, true);    // turned over to be played
  Place(game.piles.Hand[2][12], 11, 650, 5, true);  // slot 12 is never drawn
  EXPECT_EQ(Draw(5, 420), Face(8));
  EXPECT_EQ(screen.BackBuffer.At(610, 420), kCardBack);
  EXPECT_EQ(screen.BackBuffer.At(17, 5), Face(10));
  EXPECT_EQ(screen.BackBuffer.At(650, 5), 0);
}

TEST_F(TableFixture, CountsAndIndicesOutsideThePilesDrawNothingFromOutside) {
  Place(game.piles.Hand[0][0], kCardImageEntries + 40, 5, 420, true);
  Place(game.piles.Hand[1][0], -1, 610, 420, true);
  game.piles.TableCount = 500;
  game.piles.Our.PileCount = -4;
  game.piles.Their.PileCount = 500;
  game.piles.Our.Sweeps[0].DrawOrder = 9999;
  game.piles.DeckTop = 500;
  EXPECT_EQ(Draw(5, 420), 0);
  EXPECT_EQ(screen.BackBuffer.At(610, 420), 0);
}

TEST_F(TableFixture, LaterLayersCoverEarlierOnes) {
  // Sweep mark, pile, table, partner's hand, human's hand, deck: each covers the last.
  const int x = 400, y = 300;
  game.piles.Our.Sweeps[7] = SweepMark{.DrawOrder = 0, .Shown = true, .Card = 1, .X = x, .Y = y};
  game.piles.Our.Sweeps[0].DrawOrder = 7;
  EXPECT_EQ(Draw(x, y), Face(1));
  game.piles.Their.PileCount = 1;
  Place(game.piles.Their.Pile[0], 2, x, y, false);
  EXPECT_EQ(Draw(x, y), kCardBack);
  game.piles.TableCount = 1;
  Place(game.piles.TablePile[0], 3, x, y, true);
  EXPECT_EQ(Draw(x, y), Face(3));
  Place(game.piles.Hand[2][0], 4, x, y, true);
  EXPECT_EQ(Draw(x, y), Face(4));
  Place(game.piles.Hand[0][0], 5, x, y, true);
  EXPECT_EQ(Draw(x, y), Face(5));
  Place(game.piles.Deck[0], 6, x, y, true);
  EXPECT_EQ(Draw(x, y), Face(6));
}

TEST_F(TableFixture, DeckStackShowsEightCardsWithTheOneBeingDealtOnTop) {
  for (int i = 0; i < 40; ++i)
    Place(game.piles.Deck[static_cast<std::size_t>(i)], i, 10.0f * i, 240, true);
  game.piles.DeckTop = 0;
  Draw(0, 0);
  for (int i = 0; i <= 9; ++i) {
    EXPECT_EQ(screen.BackBuffer.At(10 * i, 240), i <= 7 ? Face(i) : 0) << "entry " << i;
  }
  game.piles.DeckTop = 38;
  Draw(0, 0);
  EXPECT_EQ(screen.BackBuffer.At(360, 240), 0);
  for (int i = 37; i <= 39; ++i) EXPECT_EQ(screen.BackBuffer.At(10 * i, 240), Face(i));
  // The card being dealt (37) lies over the next one to deal (38).
  game.piles.Deck[37].X = 380;
  EXPECT_EQ(Draw(380, 240), Face(37));
}

TEST_F(TableFixture, EndOfMatchShowsThePageAndTheClockInsteadOfTheTable) {
  game.piles.TableCount = 1;
  Place(game.piles.TablePile[0], 3, 400, 300, true);
  Place(game.piles.Hand[0][0], 5, 5, 420, true);
  EXPECT_EQ(Draw(400, 300), Face(3));
  const Rect clock = ClockRect(game);
  EXPECT_EQ(screen.BackBuffer.At(clock.Left, 572), test::GlyphPixel('0' - 32, 0, 0));

  game.turn.GameState = PlayState::HandOver;
  EXPECT_EQ(Draw(400, 300), kBackground);
  EXPECT_EQ(screen.BackBuffer.At(5, 420), kBackground);
  EXPECT_EQ(screen.BackBuffer.At(160, 4), kScorePage);
  EXPECT_EQ(screen.BackBuffer.At(213, 94), test::GlyphPixel(0, 0, 0));  // heading blank
  EXPECT_EQ(screen.BackBuffer.At(213, 125), test::GlyphPixel('C' - 32, 0, 0));
  // "09:05PM" whole, ending before the score sheet's binding.
  EXPECT_EQ(screen.BackBuffer.At(clock.Left, 572), test::GlyphPixel('0' - 32, 0, 0));
  EXPECT_EQ(screen.BackBuffer.At(clock.Left + 6 * 17, 572), test::GlyphPixel('M' - 32, 0, 0));
  EXPECT_EQ(screen.BackBuffer.At(clock.Right - 1, 572), test::GlyphPixel('M' - 32, 18, 0));
  EXPECT_LE(clock.Right, kScoreStripX);
}

// Held on show, the last table is the one kept as the last play left it: the
// game's own has sent its remainder to a pile by then.
TEST_F(TableFixture, TheHeldLastTableShowsTheKeptCardsNotTheEmptiedTable) {
  game.turn.GameState = PlayState::HandOver;
  game.piles.TableCount = 1;
  Place(game.piles.TablePile[0], 3, 400, 300, true);
  TableNotes held;
  held.LastTableHeld = true;
  held.Last = {.Cards = {{}, {}}, .RestSide = 1};
  Place(held.Last.Cards[0], 8, 100, 200, true);
  Place(held.Last.Cards[1], 9, 120, 200, true);
  EXPECT_EQ(Draw(100, 200, held), Face(8));
  EXPECT_EQ(screen.BackBuffer.At(120, 200), Face(9));
  EXPECT_NE(screen.BackBuffer.At(400, 300), Face(3)) << "the game's table is not the held one";
  held.LastTableHeld = false;
  EXPECT_EQ(Draw(100, 200, held), kBackground) << "the score page covers the table";
}

}  // namespace
}  // namespace verlano
