// The text of each variant's score page, row by row, and the clock's text.
#include "render/score_page.h"

#include <gtest/gtest.h>

#include <vector>

#include "render/clock_text.h"
#include "render/fill_rect.h"
#include "render/pile_sheet.h"
#include "render/table_areas.h"
#include "rules/game.h"
#include "test_pictures.h"

namespace verlano {

// Found by gtest next to TextRow, so a failing page prints its rows readably.
void PrintTo(const TextRow& row, std::ostream* os);
void PrintTo(const TextRow& row, std::ostream* os) {
  *os << "{" << row.FontRow << ", " << row.X << ", " << row.Y << ", \"" << row.Text << "\"}";
}

namespace {

// A hand of 24 cards to 16, after two hands of the match.
void SetUpHand(Game& game) {
  game.piles.Our.CardCount = 24;
  game.piles.Their.CardCount = 16;
  game.score.We = SideScore{.Sweeps = 2,
                            .PrimieraSum = 78,
                            .Settebello = 1,
                            .KingOfCoins = 0,
                            .MostCoins = 1,
                            .Coins = 6};
  game.score.They = SideScore{
      .Sweeps = 0, .PrimieraSum = 0, .Settebello = 0, .KingOfCoins = 1, .MostCoins = 0, .Coins = 4};
  game.match.HistoryCount = 2;
  game.match.OurHistory[0] = 3, game.match.TheirHistory[0] = 1;
  game.match.OurHistory[1] = 5, game.match.TheirHistory[1] = 12;
  game.match.OurMatchTotal = 8;
  game.match.TheirMatchTotal = 13;
}

struct PageCase {
  Options options;
  int lineY;
  std::vector<std::string> items;  // rows 1.., at x 213 and y 94 + 31 per row
  int newestHistoryY;              // the hand before lies one row lower
};

class ScorePageRowsTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(ScorePageRowsTest, RowsOfTheVariantsPage) {
  const PageCase& c = GetParam();
  Game game(c.options, 1);
  SetUpHand(game);
  EXPECT_EQ(ScorePageLineY(game.layout, static_cast<int>(game.settings.Rules.ScoreRows.size())),
            c.lineY);

  game.match.MatchTarget = 21;
  std::vector<TextRow> expected{{0, 213, 94, "  We       They   "}};
  int r = 1;
  for (const std::string& item : c.items) expected.push_back({r, 213, 94 + 31 * r, item}), ++r;
  expected.push_back({r, 233, c.newestHistoryY + 31, "      3    1"});
  expected.push_back({r + 1, 233, c.newestHistoryY, "      5   12"});
  expected.push_back({9, 233, 438, "      8   13"});
  expected.push_back({10, 213, 469, ""});
  expected.push_back({0, 183, 500, "Click or Return: next hand"});
  expected.push_back({0, 183, 555, "Target: over 21"});
  EXPECT_EQ(ScorePageRows(game), expected);
}

const std::vector<std::string> kItems1 = {"Cards:24   16", "Coins: 6    4", "7coin: 1    0",
                                          "Prime:78    0", "Kevro: 2    0"};

INSTANTIATE_TEST_SUITE_P(
    Variants, ScorePageRowsTest,
    ::testing::Values(PageCase{{.variant = Variant::Nine}, 273, kItems1, 280},
                      PageCase{{.variant = Variant::Romane}, 273, kItems1, 280},
                      PageCase{{.variant = Variant::Napoletane}, 273, kItems1, 280},
                      PageCase{{.variant = Variant::Romane, .extraCoinPoints = true},
                               335,
                               {"Cards:24   16", "Coins: 6    4", "MoreC: 1    0", "7coin: 1    0",
                                "Kcoin: 0    1", "Prime:78    0", "Kevro: 2    0"},
                               342},
                      PageCase{{.variant = Variant::UmbriaMarche},
                               304,
                               {"Cards:24   16", "Coins: 6    4", "7coin: 1    0", "Kcoin: 0    1",
                                "Prime:78    0", "Kevro: 2    0"},
                               311}));

TEST(ScorePageRows, ValuesAlignRightAndWideOnesRunLonger) {
  Game game(Options{}, 1);
  game.piles.Our.CardCount = 5;
  game.piles.Their.CardCount = 12;
  EXPECT_EQ(ScorePageRows(game)[1].Text, "Cards: 5   12");
  game.piles.Our.CardCount = 123;
  game.piles.Their.CardCount = 123456;
  EXPECT_EQ(ScorePageRows(game)[1].Text, "Cards:123123456");
}

// The result's line is the one place its words are drawn; a tie above the
// target draws none, and the hint says the match goes on.
TEST(ScorePageRows, EachResultDrawsItsLineAndHint) {
  const struct {
    MatchResult result;
    bool over;
    const char* line;
    const char* hint;
  } rows[] = {
      {MatchResult::Won, true, "We Won!", "Click or Return: next match"},
      {MatchResult::Lost, true, "We lost!", "Click or Return: next match"},
      {MatchResult::TieOverTarget, false, "", "Click or Return: next hand"},
      {MatchResult::None, false, "", "Click or Return: next hand"},
  };
  for (const auto& row : rows) {
    Game game(Options{}, 1);
    game.match.Result = row.result;
    game.match.MatchOver = row.over;
    const std::vector<TextRow> lines = ScorePageRows(game);
    EXPECT_EQ(lines[lines.size() - 3].Text, row.line);
    EXPECT_EQ(lines[lines.size() - 2].Text, row.hint);
  }
}

TEST(ScorePageRows, HistoryStaysAboveTheTotalsWhateverItsLength) {
  Game game(Options{}, 1);
  // A full page in the nine-card game: five hands, the oldest at row 10.
  game.match.HistoryCount = 5;
  for (int k = 0; k < 12; ++k) game.match.OurHistory[static_cast<std::size_t>(k)] = k;
  std::vector<TextRow> rows = ScorePageRows(game);
  ASSERT_EQ(rows.size(), 15u);
  EXPECT_EQ(rows[6], (TextRow{6, 233, 404, "      0    0"}));
  EXPECT_EQ(rows[10], (TextRow{10, 233, 280, "      4    0"}));
  // A history longer than the page shows its newest hands and no more rows.
  game.match.HistoryCount = 12;
  rows = ScorePageRows(game);
  ASSERT_EQ(rows.size(), 15u);
  EXPECT_EQ(rows[6], (TextRow{6, 233, 404, "      7    0"}));
  EXPECT_EQ(rows[10], (TextRow{10, 233, 280, "     11    0"}));
}

// A restarted page's first row holds the totals carried over and says so,
// left of its numbers; once that row has scrolled off, nothing does.
TEST(ScorePageRows, TheCarriedRowIsLabelledWhileItShows) {
  Game game(Options{}, 1);
  game.match.HistoryCount = 2;
  game.match.OurHistory[0] = 17, game.match.TheirHistory[0] = 12;
  game.match.FirstRowCarried = true;
  std::vector<TextRow> rows = ScorePageRows(game);
  ASSERT_EQ(rows.size(), 13u);
  EXPECT_EQ(rows[6], (TextRow{6, 233, 311, "     17   12"}));
  EXPECT_EQ(rows[8], (TextRow{6, 213, 311, "Carry:"}));
  game.match.FirstRowCarried = false;
  EXPECT_EQ(ScorePageRows(game).size(), 12u);
  game.match.FirstRowCarried = true;
  game.match.HistoryCount = 12;
  EXPECT_EQ(ScorePageRows(game).size(), 15u);
}

// An open pile's panel lies over the page, clear of both piles beside it and
// on the screen; a suit's ten cards fit its width, a few lie side by side.
TEST(PileSheet, ThePanelHoldsTenCardsARowAndLeavesThePilesClear) {
  for (const DeckChoice deck : {DeckChoice::Trevigiano, DeckChoice::Trentino, DeckChoice::Royal}) {
    const Game game(Options{.deck = deck}, 1);
    const Rect panel = PileSheetPanel(game);
    EXPECT_TRUE(panel.Left >= 0 && panel.Top >= 0 && panel.Right <= 800 && panel.Bottom <= 600);
    for (const int side : {0, 1}) EXPECT_FALSE(Overlap(panel, ScorePileRect(game, side)));
    PileSheet sheet;
    sheet.Side = 0;
    for (int card = 0; card < 10; ++card) sheet.Rows[3].push_back(card);
    const Rect last = PileSheetCardRect(game, sheet, 3, 9);
    EXPECT_LE(last.Right, panel.Right);
    EXPECT_LE(last.Bottom, panel.Bottom);
    const Rect first = PileSheetCardRect(game, sheet, 0, 0);
    EXPECT_GE(PileSheetCardRect(game, sheet, 0, 1).Left - first.Left, 26) << "an index shows";
    sheet.Rows[3].resize(3);
    EXPECT_GE(PileSheetCardRect(game, sheet, 0, 1).Left, first.Right) << "side by side";
  }
}

// The gold and blue marks of an open pile each frame its own card, on the
// part of it in sight: no frame lies on another card, and the seven of
// coins, gold and blue both, keeps its gold frame whole around the blue.
TEST(PileSheet, EachMarkIsFramedOnItsOwnCardInSight) {
  const Game game(Options{}, 1);
  ResourceSlots slots;
  for (int card = 0; card < kCardImageEntries; ++card) {
    slots.CardImage[static_cast<std::size_t>(card)] =
        test::Solid(game.layout.CardWidth, kCardHeight, static_cast<std::uint16_t>(0x2000 + card));
  }
  slots.DeluxeFont = test::GlyphFont();
  PileSheet sheet;
  sheet.Side = 0;
  sheet.Rows = {std::vector<int>{1, 5, 9, 13, 17, 21, kSettebello, 29, 33, kKingOfCoins},
                std::vector<int>{2, 6, 10, 14, 18, 22}, std::vector<int>{3, 7, 11, 15},
                std::vector<int>{4, 8, 12, 16, 20, 24, 28, 32, 36, 40}};
  sheet.Primiera = {kSettebello, 10, 15, 20};
  sheet.PrimieraSum = 78;
  Screen screen = MakeScreen(800, 600);
  SetClipToScreen(screen);
  DrawPileSheet(game, sheet, slots, screen);

  struct Marked {
    Rect shown;
    bool gold, blue;
  };
  std::vector<Marked> marked;
  Rect cards{800, 600, 0, 0};
  for (int row = 0; row < kSheetRows; ++row) {
    const auto& cardsOfRow = sheet.Rows[static_cast<std::size_t>(row)];
    for (int k = 0; k < static_cast<int>(cardsOfRow.size()); ++k) {
      const int card = cardsOfRow[static_cast<std::size_t>(k)];
      const Rect at = PileSheetCardRect(game, sheet, row, k);
      cards = Rect{std::min(cards.Left, at.Left), std::min(cards.Top, at.Top),
                   std::max(cards.Right, at.Right), std::max(cards.Bottom, at.Bottom)};
      const bool gold = card == kSettebello || card == kKingOfCoins;
      const bool blue = card == sheet.Primiera[static_cast<std::size_t>(row)];
      if (!gold && !blue) continue;
      const Rect shown = PileSheetShownRect(game, sheet, row, k);
      marked.push_back({shown, gold, blue});
      EXPECT_TRUE(shown.Left == at.Left && shown.Top == at.Top && shown.Right <= at.Right &&
                  shown.Bottom <= at.Bottom);
      // No card drawn after it (to its right, or in a row below) lies on it.
      for (int r2 = row; r2 < kSheetRows; ++r2) {
        const auto& later = sheet.Rows[static_cast<std::size_t>(r2)];
        for (int k2 = r2 == row ? k + 1 : 0; k2 < static_cast<int>(later.size()); ++k2) {
          EXPECT_FALSE(Overlap(shown, PileSheetCardRect(game, sheet, r2, k2)))
              << "card " << row << "." << k << " under " << r2 << "." << k2;
        }
      }
    }
  }
  ASSERT_EQ(marked.size(), 5u);
  // Every mark's pixel, anywhere around the cards, lies on a card it marks.
  for (int y = cards.Top - 8; y < cards.Bottom + 8; ++y) {
    for (int x = cards.Left - 8; x < cards.Right + 8; ++x) {
      const std::uint16_t p = screen.BackBuffer.At(x, y);
      if (p != kMarkColour && p != kPrimieraColour) continue;
      bool own = false;
      for (const Marked& m : marked) {
        const bool inside =
            m.shown.Left <= x && x < m.shown.Right && m.shown.Top <= y && y < m.shown.Bottom;
        own |= inside && (p == kMarkColour ? m.gold : m.blue);
      }
      ASSERT_TRUE(own) << "a mark at " << x << "," << y << " on no card it marks";
    }
  }
  // Each frame goes all round: the gold outermost, the blue within it.
  for (const Marked& m : marked) {
    const int midX = (m.shown.Left + m.shown.Right) / 2, midY = (m.shown.Top + m.shown.Bottom) / 2;
    const auto ring = [&](int in, std::uint16_t colour) {
      EXPECT_EQ(screen.BackBuffer.At(m.shown.Left + in, midY), colour) << m.shown.Left;
      EXPECT_EQ(screen.BackBuffer.At(m.shown.Right - 1 - in, midY), colour) << m.shown.Left;
      EXPECT_EQ(screen.BackBuffer.At(midX, m.shown.Top + in), colour) << m.shown.Left;
      EXPECT_EQ(screen.BackBuffer.At(midX, m.shown.Bottom - 1 - in), colour) << m.shown.Left;
    };
    if (m.gold) ring(0, kMarkColour);
    if (m.blue) ring(m.gold ? 2 : 0, kPrimieraColour);
  }
}

TEST(ClockText, TwelveHourClockWithTwoDigitsAndTheDesignator) {
  const std::vector<std::pair<TimeOfDay, std::string>> cases = {
      {{21, 5}, "09:05PM"},  {{0, 0}, "12:00AM"},  {{12, 0}, "12:00PM"},
      {{11, 59}, "11:59AM"}, {{13, 7}, "01:07PM"}, {{23, 59}, "11:59PM"}};
  for (const auto& [time, text] : cases) {
    EXPECT_EQ(ClockText(time), text) << time.Hour << ":" << time.Minute;
  }
}

}  // namespace
}  // namespace verlano
