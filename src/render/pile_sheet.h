#pragma once
// A side's pile laid open on the score page: every card it took, one row a
// suit (coins first) in rank order, the seven and the king of coins framed
// in gold, the primiera cards in blue (each frame on its own card's part in
// sight) with their values and sum, and the coins counted. The game works the sheet out from the hand's score
// (game/hand_end_view.h); this draws it, and the two small piles beside the
// page that open it, and says where they lie. It changes nothing.

#include <array>
#include <cstdint>
#include <vector>

#include "platform/screen.h"
#include "render/resource_slots.h"

namespace verlano {

struct Game;

inline constexpr int kSheetRows = 4;
inline constexpr std::uint16_t kPrimieraColour = 0x551F;  // a light blue, apart from the gold

struct PileSheet {
  int Side = -1;                                  // kSideWe or kSideThey; -1 when none is open
  std::array<std::vector<int>, kSheetRows> Rows;  // card indices: coins, then the other suits
  int Coins = 0;
  std::array<int, kSheetRows> Primiera{-1, -1, -1, -1};  // each row's primiera card, -1 for none
  int PrimieraSum = 0;                                   // 0 when a suit is missing: no primiera
  bool operator==(const PileSheet&) const = default;
};

// The suit code of each row of a sheet.
inline constexpr std::array<int, kSheetRows> kSheetSuits = {3, 0, 1, 2};

// A side's pile beside the score page, in the margin on its side of the
// table: a click there opens it.
Rect ScorePileRect(const Game& game, int side);

// The panel an open pile is laid on, over the page.
Rect PileSheetPanel(const Game& game);

// Where the k-th card of a sheet's row lies on the panel.
Rect PileSheetCardRect(const Game& game, const PileSheet& sheet, int row, int k);

// The part of that card no other card of the sheet covers: up to the next
// card of its row and the first row below reaching under it. Its marks are
// framed inside it.
Rect PileSheetShownRect(const Game& game, const PileSheet& sheet, int row, int k);

// Both sides' piles beside the page with their keys; the open one outlined.
void DrawScorePiles(const Game& game, int openSide, ResourceSlots& slots, Screen& screen);

// The open pile on its panel; nothing when `sheet.Side` is -1.
void DrawPileSheet(const Game& game, const PileSheet& sheet, ResourceSlots& slots, Screen& screen);

}  // namespace verlano
