// Who sits where, and the hand's story drawn: the seat and pile labels of
// both languages keep off every card place, pile, sweep mark, hand, mark,
// the message band, the clock and each other; they name the computer seats' levels; they
// draw inside their places only. The story's column shows the newest plays
// first, each card corner where its row says, inside the column, a sweep
// outlined, and over the table only while asked for, under the cursor.
#include "render/seat_labels.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/compiled_catalogue.h"
#include "render/card_corner.h"
#include "render/compose_frame.h"
#include "render/fill_rect.h"
#include "render/mute_mark.h"
#include "render/play_log_view.h"
#include "render/score_page.h"
#include "render/table_areas.h"
#include "render/table_notes.h"
#include "rules/game.h"
#include "rules/level_names.h"
#include "rect_checks.h"
#include "test_pictures.h"

namespace verlano {
namespace {

constexpr DeckChoice kDecks[] = {DeckChoice::Trevigiano, DeckChoice::Royal, DeckChoice::Trentino};
constexpr Variant kVariants[] = {Variant::Nine, Variant::Romane, Variant::UmbriaMarche};
constexpr std::uint16_t kFaceBase = 0x2000;

using test::Inside;
using test::Where;

// The labels' words in one language: English as written, or the catalogue's.
struct Words {
  std::map<std::string, std::string> table;  // context "table"
  std::map<std::string, std::string> plain;  // no context: the level names
  std::string Of(const std::map<std::string, std::string>& m, const std::string& english) const {
    const auto it = m.find(english);
    return it == m.end() ? english : it->second;
  }
};

std::vector<Words> BothLanguages() {
  Words italian;
  for (const test::CatalogueMessage& m : test::ReadCatalogue(VERLANO_ITALIAN_CATALOGUE)) {
    (m.context == "table" ? italian.table : italian.plain)[m.english] = m.translated;
  }
  return {Words{}, italian};
}

// The seat labels as they read in `w` with the levels given, and the piles'.
std::vector<Rect> LabelRects(const Game& g, const clsDXBitmapFont& font, const Words& w) {
  const char* names[] = {"You", "Right", "Partner", "Left"};
  const PlayerLevel levels[] = {PlayerLevel::Classic, g.settings.OpponentsLevel,
                                g.settings.PartnerLevel, g.settings.OpponentsLevel};
  std::vector<Rect> rects;
  for (int seat = 0; seat < 4; ++seat) {
    std::string text = w.Of(w.table, names[seat]);
    if (seat > 0) text += " (" + w.Of(w.plain, std::string(LevelCaption(levels[seat]))) + ")";
    rects.push_back(SeatLabelRect(g, font, seat, text));
  }
  rects.push_back(PileLabelRect(g, font, kSideWe, w.Of(w.table, "WE")));
  rects.push_back(PileLabelRect(g, font, kSideThey, w.Of(w.table, "THEY")));
  return rects;
}

TEST(SeatLabels, InBothLanguagesTheyLieWhereNoCardPileHandMarkBandOrClockDoes) {
  const clsDXBitmapFont font = test::GlyphFont(kSmallFontCellWidth, kSmallFontCellHeight);
  const clsDXBitmapFont large = test::GlyphFont();
  const std::vector<Words> languages = BothLanguages();
  ASSERT_NE(languages[1].Of(languages[1].table, "Partner"), "Partner")
      << "no Italian read from " VERLANO_ITALIAN_CATALOGUE;
  for (const DeckChoice deck : kDecks) {
    for (const Variant variant : kVariants) {
      for (const PlayerLevel level : {PlayerLevel::Classic, PlayerLevel::Expert}) {
        Game g(Options{.deck = deck, .variant = variant, .opponents = level, .partner = level}, 1);
        DealHand(g);
        std::vector<Rect> kept{PileRect(g, kSideWe), PileRect(g, kSideThey), MessageBandRect(g)};
        for (int seat = 0; seat < 4; ++seat) {
          kept.push_back(HandRect(g, seat));
          kept.push_back(TurnMarkRect(g, seat));
        }
        for (int place = 0; place < kTablePlaces; ++place) {
          kept.push_back(TablePlaceRect(g, place));
        }
        // The clock, whole; the sweep marks
        // standing over each pile, up to 30 pixels aside and 60 above it.
        const Layout& l = g.layout;
        for (const int x : {l.OurSweepMarkX, l.TheirSweepMarkX}) {
          kept.push_back(Rect{x - 30, l.SweepMarkY - 60, x + 30 + l.CardWidth,
                              l.SweepMarkY - 20 + kCardHeight});
        }
        kept.push_back(ClockRect(g));
        kept.push_back(MuteMarkRect(g, large));
        for (const Words& words : languages) {
          const std::vector<Rect> labels = LabelRects(g, font, words);
          for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_TRUE(Inside(labels[i], Rect{0, 0, 800, 600})) << i << " " << Where(labels[i]);
            for (const Rect& r : kept) {
              EXPECT_FALSE(Overlap(labels[i], r))
                  << "label " << i << " " << Where(labels[i]) << " over " << Where(r);
            }
            for (std::size_t j = i + 1; j < labels.size(); ++j) {
              EXPECT_FALSE(Overlap(labels[i], labels[j])) << i << " and " << j;
            }
          }
        }
      }
    }
  }
}

TEST(SeatLabels, NameTheSeatsAndTheComputerSeatsLevels) {
  Game g(Options{.opponents = PlayerLevel::Expert, .partner = PlayerLevel::Classic}, 1);
  EXPECT_EQ(SeatLabelText(g, 0), "You");
  EXPECT_EQ(SeatLabelText(g, 1), "Right (Expert)");
  EXPECT_EQ(SeatLabelText(g, 2), "Partner (Classic)");
  EXPECT_EQ(SeatLabelText(g, 3), "Left (Expert)");
  EXPECT_EQ(PileLabelText(kSideWe), "WE");
  EXPECT_EQ(PileLabelText(kSideThey), "THEY");
}

// Slots with solid pictures: each card face its own colour.
std::unique_ptr<ResourceSlots> Slots() {
  auto slots = std::make_unique<ResourceSlots>();
  slots->Background = test::Solid(800, 600, 0x0001);
  slots->CardBack = test::Solid(92, 153, 0x0002);
  for (int card = 0; card < kCardImageEntries; ++card) {
    slots->CardImage[static_cast<std::size_t>(card)] =
        test::Solid(92, 153, static_cast<std::uint16_t>(kFaceBase + card));
  }
  slots->Cursor = test::Solid(32, 32, 0x0003);
  slots->ScorePage = test::Solid(20, 20, 0x0004);
  slots->SmallFont = test::GlyphFont(kSmallFontCellWidth, kSmallFontCellHeight);
  slots->DeluxeFont = test::GlyphFont();
  slots->DigitFont = test::GlyphFont();
  return slots;
}

TEST(SeatLabels, DrawOnlyInsideTheirPlaces) {
  auto slots = Slots();
  Game g(Options{}, 1);
  DealHand(g);
  Screen screen = MakeScreen(800, 600);
  DrawSeatLabels(g, *slots, screen);
  std::vector<Rect> rects;
  for (int seat = 0; seat < 4; ++seat) {
    rects.push_back(SeatLabelRect(g, slots->SmallFont, seat, SeatLabelText(g, seat)));
  }
  for (const int side : {kSideWe, kSideThey}) {
    rects.push_back(PileLabelRect(g, slots->SmallFont, side, PileLabelText(side)));
  }
  std::vector<int> inked(rects.size(), 0);
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) {
      if (screen.BackBuffer.At(x, y) == 0) continue;
      bool placed = false;
      for (std::size_t i = 0; i < rects.size(); ++i) {
        const Rect& r = rects[i];
        if (r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom) placed = true, ++inked[i];
      }
      ASSERT_TRUE(placed) << "ink at " << x << "," << y;
    }
  }
  for (std::size_t i = 0; i < rects.size(); ++i) EXPECT_GT(inked[i], 0) << "label " << i;
}

// A hand's story of `plays` lines: play n by seat n % 4 of card n, taking
// the n % 5 cards after it; every seventh a sweep.
void Tell(Game& g, int plays) {
  g.playLog = {};
  for (int n = 0; n < plays; ++n) {
    LogPlay(g.playLog, n % 4, n);
    PlayLine* line = NewestPlay(g.playLog);
    line->Cards.TakenCount = n % 5;
    for (int t = 0; t < n % 5; ++t) line->Cards.Taken[static_cast<std::size_t>(t)] = n + 1 + t;
    line->Sweep = n % 7 == 6;
  }
}

TEST(PlayLogView, ShowsTheNewestPlaysFirstEachCardInItsPlaceInsideTheColumn) {
  auto slots = Slots();
  Game g(Options{}, 1);
  for (const int plays : {0, 1, 5, 16, 40}) {
    Tell(g, plays);
    Screen panel = MakePlayLogPanel();
    ComposePlayLog(g, *slots, panel, 0);
    const int rows = PlayLogRows(g);
    EXPECT_EQ(rows, std::min(plays, 10)) << plays;
    for (int k = 0; k < rows; ++k) {
      const Rect row = PlayLogRowRect(k);
      EXPECT_TRUE(Inside(row, Rect{0, 0, kPlayLogWidth, kPlayLogHeight})) << k;
      const PlayLine& line = PlayFromNewest(g.playLog, k);
      EXPECT_EQ(line.Cards.Taker, plays - 1 - k) << "newest first";
      for (int c = 0; c <= line.Cards.TakenCount; ++c) {
        const Rect card = PlayLogCardRect(g, k, c);
        EXPECT_TRUE(Inside(card, row)) << k << " " << c << " " << Where(card);
        // The last card drawn in a row shows whole; the others at least their left edge.
        const int shown = c == 0 ? line.Cards.Taker : line.Cards.Taken[c - 1];
        EXPECT_EQ(panel.BackBuffer.At(card.Left, card.Top + 4), kFaceBase + shown) << k << " " << c;
      }
      const Rect played = PlayLogCardRect(g, k, 0);
      EXPECT_EQ(panel.BackBuffer.At(played.Left - 1, played.Top) == kMarkColour, line.Sweep) << k;
      // The arrow between the card played and what it took, only when it took.
      const Rect mark = PlayLogMarkRect(k);
      const int middle = (mark.Top + mark.Bottom) / 2;
      EXPECT_EQ(panel.BackBuffer.At(mark.Left + 1, middle) == kMarkColour,
                line.Cards.TakenCount > 0)
          << k;
    }
    // Below the last row the column is empty.
    EXPECT_EQ(panel.BackBuffer.At(kPlayLogWidth - 2, kPlayLogHeight - 2), kPlayLogColour);
  }
}

// Once the remainder goes, its row tops the column: the side's words and its
// cards where a play's cards lie, every play a row lower and the oldest
// giving way, so the column still ends inside its height.
TEST(PlayLogView, TheRemaindersRowTopsTheColumnAndThePlaysMoveDownARow) {
  auto slots = Slots();
  Game g(Options{}, 1);
  for (const int plays : {3, 40}) {
    Tell(g, plays);
    LastTable last{.Cards = std::vector<CardSprite>(3), .RestSide = kSideThey};
    for (int i = 0; i < 3; ++i) last.Cards[static_cast<std::size_t>(i)].Card = 30 + i;
    Screen panel = MakePlayLogPanel();
    ComposePlayLog(g, *slots, panel, 0, last);
    const Rect first = PlayLogCardRect(g, 0, 0);
    EXPECT_EQ(panel.BackBuffer.At(first.Left, first.Top + 4), kFaceBase + 30) << plays;
    const int drop = PlayLogRowRect(1).Top - PlayLogRowRect(0).Top;
    EXPECT_EQ(panel.BackBuffer.At(first.Left, first.Top + drop + 4), kFaceBase + plays - 1)
        << "the newest play, a row lower";
    EXPECT_EQ(panel.BackBuffer.At(kPlayLogWidth - 2, kPlayLogHeight - 2), kPlayLogColour);
    // Without a remainder the plays keep their rows.
    ComposePlayLog(g, *slots, panel, 0, LastTable{.RestSide = kSideThey});
    EXPECT_EQ(panel.BackBuffer.At(first.Left, first.Top + 4), kFaceBase + plays - 1) << plays;
  }
}

TEST(PlayLogView, ACaptureRowReadsPlayedMarkTakenWithEveryIndexInSight) {
  // A capture takes cards adding up to at most 10: 1+2+3+4, four, unless the
  // first table dealt pairs, when 1+1+2+2+4 and more can lie there (seven at
  // the very most). Four lie side by side; more close up, the left part of
  // each index still showing.
  constexpr int kMostCapturedCards = 7;
  constexpr int kIndexWidth = 14;
  Game g(Options{}, 1);
  for (int taken = 1; taken <= kMostCapturedCards; ++taken) {
    g.playLog = {};
    LogPlay(g.playLog, 1, 0);
    NewestPlay(g.playLog)->Cards.TakenCount = taken;
    const Rect row = PlayLogRowRect(0);
    const Rect played = PlayLogCardRect(g, 0, 0);
    const Rect mark = PlayLogMarkRect(0);
    const Rect first = PlayLogCardRect(g, 0, 1);
    EXPECT_LE(played.Right, mark.Left) << taken;
    EXPECT_LE(mark.Right, first.Left) << taken;
    EXPECT_TRUE(Inside(mark, row)) << Where(mark);
    EXPECT_GE(mark.Right - mark.Left, 6) << "a mark one can see";
    for (int c = 1; c <= taken; ++c) {
      const Rect card = PlayLogCardRect(g, 0, c);
      EXPECT_TRUE(Inside(card, Rect{0, 0, kPlayLogWidth, kPlayLogHeight}))
          << taken << " taken, card " << c << " " << Where(card);
      const int shown =
          c < taken ? PlayLogCardRect(g, 0, c + 1).Left - card.Left : card.Right - card.Left;
      EXPECT_GE(shown, taken <= 4 ? kCornerWidth : kIndexWidth) << taken << " taken, card " << c;
    }
    if (taken <= 4) {
      for (int c = 1; c < taken; ++c) {
        EXPECT_GE(PlayLogCardRect(g, 0, c + 1).Left, PlayLogCardRect(g, 0, c).Right) << taken;
      }
    }
  }
}

TEST(PlayLogView, OverTheTableItLeavesTheRightSeatsLabelAndTheClockInSight) {
  auto slots = Slots();
  for (const PlayerLevel level : {PlayerLevel::Classic, PlayerLevel::Master}) {
    Game g(Options{.opponents = level}, 1);
    DealHand(g);
    Tell(g, 40);
    Screen screen = MakeScreen(800, 600);
    SetClipToScreen(screen);
    TableNotes notes;
    notes.PlayLogShown = true;
    ComposeFrame(g, *slots, screen, TimeOfDay{}, 10, 10, notes);
    const Rect label = SeatLabelRect(g, slots->SmallFont, 1, SeatLabelText(g, 1));
    const Rect column{kPlayLogOverTableX, 0, 800, 600};
    for (const Rect& r : {label, ClockRect(g)}) {
      for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = std::max(r.Left, column.Left); x < r.Right; ++x) {
          ASSERT_NE(screen.BackBuffer.At(x, y), kPlayLogColour) << x << "," << y << " covered";
        }
      }
    }
  }
}

TEST(TableClock, EndsBeforeTheBindingAndNoPointerHeldAtTheEdgeCoversIt) {
  auto slots = Slots();
  Game g(Options{}, 1);
  DealHand(g);
  const Rect clock = ClockRect(g);
  EXPECT_LE(clock.Right, kScoreStripX) << Where(clock);
  EXPECT_FALSE(Overlap(clock, ScorePageRect(g.layout))) << Where(clock);
  // A pointer in a wide screen's margin comes to the game held at x 800.
  for (const auto& [x, y] : {std::pair{800, clock.Top + 10}, std::pair{800, 600},
                             std::pair{clock.Left + 20, 600}}) {
    Screen screen = MakeScreen(800, 600);
    SetClipToScreen(screen);
    ComposeFrame(g, *slots, screen, TimeOfDay{}, x, y, TableNotes{});
    for (int py = std::max(0, y - 16); py < std::min(600, y + 16); ++py) {
      for (int px = std::max(0, x - 16); px < std::min(800, x + 16); ++px) {
        ASSERT_NE(screen.BackBuffer.At(px, py), 0x0003)
            << "pointer held at " << x << "," << y << " drawn at " << px << "," << py;
      }
    }
  }
}

TEST(PlayLogView, OverTheTableOnlyWhenAskedAndUnderTheCursor) {
  auto slots = Slots();
  Game g(Options{}, 1);
  DealHand(g);
  Tell(g, 3);
  Screen screen = MakeScreen(800, 600);
  SetClipToScreen(screen);
  TableNotes notes;
  ComposeFrame(g, *slots, screen, TimeOfDay{}, 790, 300, notes);
  EXPECT_NE(screen.BackBuffer.At(kPlayLogOverTableX + 1, 1), kPlayLogColour);
  notes.PlayLogShown = true;
  ComposeFrame(g, *slots, screen, TimeOfDay{}, 790, 300, notes);
  EXPECT_EQ(screen.BackBuffer.At(kPlayLogOverTableX + 1, 1), kPlayLogColour);
  EXPECT_EQ(screen.BackBuffer.At(790, 300), 0x0003) << "the cursor is drawn over the column";
  const Rect played = PlayLogCardRect(g, 0, 0);
  EXPECT_EQ(screen.BackBuffer.At(kPlayLogOverTableX + played.Left, played.Top + 4), kFaceBase + 2);
}

}  // namespace
}  // namespace verlano
