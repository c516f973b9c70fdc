#pragma once
// The score page that closes every hand: a heading, one row per scoring item
// with both sides' values, the recent hand totals, the match totals and the
// result. The variant's record lists the page's item rows; the rows are worked
// out first as plain (font row, position, text) records and then drawn, one
// `HandFonts` instance per row.

#include <string>
#include <vector>

#include "platform/screen.h"
#include "render/resource_slots.h"

namespace verlano {

struct Game;
struct Layout;

// y of the separator line under a page's `itemRows` item rows.
int ScorePageLineY(const Layout& layout, int itemRows);

struct TextRow {
  int FontRow = 0;  // index into `HandFonts`
  int X = 0, Y = 0;
  std::string Text;
  bool operator==(const TextRow&) const = default;
};

// Every row the variant's page draws, in drawing order: heading, items,
// history (newest first), totals, result.
std::vector<TextRow> ScorePageRows(const Game& game);

// The end-of-hand page over the whole table: background, page picture,
// separator lines and the variant's text.
void DrawEndOfMatchPage(const Game& game, ResourceSlots& slots, Screen& screen);

}  // namespace verlano
