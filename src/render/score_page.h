#pragma once
// The score page that closes every hand: a heading, one row per scoring item
// with both sides' values, the recent hand totals, the match totals, the
// result, the match target and what a click does. The variant's record lists the page's item rows;
// the rows are worked out first as plain (font row, position, text) records and then drawn, one
// `HandFonts` instance per row. The number of the side that won an item is
// underlined; a row of totals carried to a restarted page is labelled; the
// sides' piles lie beside the page and one may be laid open over it. The texts are in the player's
// language, in the handwriting font's characters; the columns no wider than the English, the lines
// of their own no wider than the widest English line, the click hint.

#include <string>
#include <vector>

#include "platform/screen.h"
#include "render/pile_sheet.h"
#include "render/resource_slots.h"

namespace verlano {

struct Game;
struct Layout;
struct MatchState;

// The page picture's size and, on it, the banner with the game's name, as
// the resource builder draws them.
inline constexpr int kScorePageWidth = 488;
inline constexpr int kScorePageHeight = 592;
inline constexpr Rect kScorePageBanner{32, 14, 470, 57};

// Where the page and its banner lie on the screen.
Rect ScorePageRect(const Layout& layout);
Rect ScorePageBannerRect(const Layout& layout);

// y of the separator line under a page's `itemRows` item rows.
int ScorePageLineY(const Layout& layout, int itemRows);

struct TextRow {
  int FontRow = 0;  // index into `HandFonts`
  int X = 0, Y = 0;
  std::string Text;
  bool operator==(const TextRow&) const = default;
};

// What a click or Return (or Space) on the page does: deal the next hand,
// or after the match's last hand start a new match.
std::string ScorePageHint(const MatchState& match);

// Every row the variant's page draws, in drawing order: heading, items,
// history (newest first), totals, result, the match target, the click hint.
std::vector<TextRow> ScorePageRows(const Game& game);

// A stroke under a side's number on an item row: the side won that item.
struct ScoreMark {
  int Row = 0;                       // the page's row, 1 for the first item
  int Side = 0;                      // kSideWe or kSideThey
  int FirstColumn = 0, Columns = 0;  // the number's characters in the row's text
  bool operator==(const ScoreMark&) const = default;
};

// The marks of the variant's item rows, from the hand's score.
std::vector<ScoreMark> ScorePageMarks(const Game& game);

// The end-of-hand page over the whole table: background, page picture,
// separator lines, the variant's text and marks, the sides' piles beside it
// and the pile laid open, if any.
void DrawScorePage(const Game& game, const PileSheet& open, ResourceSlots& slots, Screen& screen);

}  // namespace verlano
