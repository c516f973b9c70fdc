#pragma once
// The hand's story drawn as a column of its own: a heading, then one row a
// play, newest at the top, each with the seat's name over the corner of the
// card played (its index and suit, as in a fanned hand), an arrow, and the
// corners of the cards it took, each index and suit in sight; a sweep named
// at the end of the name's line. Once the hand's remainder goes, a row on top
// says to which side, with its cards. The column is composed into a picture
// of its own; a wide screen shows it in the margin beside the table, a 4:3
// one over the table's right side while S shows it (the score page covers it
// there). It changes nothing.

#include <cstdint>

#include "platform/screen.h"
#include "render/last_table.h"
#include "render/resource_slots.h"

namespace verlano {

struct Game;

inline constexpr int kPlayLogWidth = 160;
inline constexpr std::uint16_t kPlayLogColour =
    0x1143;  // darker than the baize, lighter than the bars
inline constexpr int kPlayLogHeight = 600;
// Where the column lies over the 800x600 table when S shows it.
inline constexpr int kPlayLogOverTableX = 800 - kPlayLogWidth;

// A picture the column's size, clipped to itself, to compose it into.
Screen MakePlayLogPanel();

// How many plays a column `height` pixels tall shows: the newest, as many as fit.
int PlayLogRows(const Game& game, int height = kPlayLogHeight);
// Where the k-th newest play's row lies in the column.
Rect PlayLogRowRect(int k);
// In that row, the card played (0) and the cards it took (1..), as drawn.
Rect PlayLogCardRect(const Game& game, int k, int card);
// The arrow between the card played and the cards it took, in that row.
inline constexpr int kPlayLogMarkWidth = 10;
inline constexpr int kPlayLogMarkHeight = 10;
Rect PlayLogMarkRect(int k);

// Draws the column with its left edge at `left` of `screen`: 0 in a panel
// of its own, kPlayLogOverTableX over the table, where it stops `height`
// pixels down, above the seat label and the clock at the table's foot. With
// the hand's remainder gone (`last`), its row tops the column and the plays
// lie a row lower.
void ComposePlayLog(const Game& game, ResourceSlots& slots, Screen& screen, int left,
                    const LastTable& last = {}, int height = kPlayLogHeight);

}  // namespace verlano
