#pragma once
// Where the table's own things can lie, as rectangles of the 800x600 table:
// each side's pile with the scatter its cards land with, each seat's hand with
// all its places, and each table place with the widest scatter a card gets
// there. What the table draws to talk or help (the message line, the last
// captures, the marks) keeps clear of them; the tests check it against them.

#include "platform/screen.h"

namespace verlano {

struct Game;

inline constexpr int kSideWe = 0;
inline constexpr int kSideThey = 1;

// How far the lifted hand card is drawn above its place.
inline constexpr int kHandCardLift = 6;
// The gold outline a hint draws just outside a card.
inline constexpr int kLitOutline = 3;

// A side's pile: its cards land at its corner moved by up to the gather jitter.
Rect PileRect(const Game& game, int side);

// Where a seat's `slot`-th hand card rests.
Rect HandCardRect(const Game& game, int seat, int slot);

// Every place a seat's hand card can rest, the human's lifted card and a
// hint's outline around it included.
Rect HandRect(const Game& game, int seat);

// A table place with the scatter of a dealt or a played card and a hint's outline.
Rect TablePlaceRect(const Game& game, int place);

// The score sheet's binding strip down the table's right edge, from here on.
inline constexpr int kScoreStripX = 780;

// The clock, "hh:mmAM" in the digit font's 19 x 27 cells: at the layout's
// place, moved left as far as it must to end before the binding strip, still
// clear of the score page.
Rect ClockRect(const Game& game);

bool Overlap(const Rect& a, const Rect& b);

}  // namespace verlano
