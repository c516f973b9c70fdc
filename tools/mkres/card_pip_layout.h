#pragma once
// Where the pips of the ace to the seven sit: a table of spots in column and
// row units that the face drawer turns into pixels for the deck's width, so
// every deck lays its numbers out the same way.

#include <span>

namespace verlano::mkres {

struct PipSpot {
  double column;  // -1 left, 0 middle, 1 right
  double row;     // -1 top, 0 middle, 1 bottom
};

// The spots of a card showing `count` pips, 1..7; empty for any other count.
std::span<const PipSpot> PipSpots(int count);

}  // namespace verlano::mkres
