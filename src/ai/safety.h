#pragma once
// Whether a play leaves the next player a sweep: the scratch table is the table
// with the hand card appended, cut down to what a given option leaves behind,
// and its cards are safe when no single card could take them all, as far as the
// card memory can tell.

#include <array>
#include <span>

#include "ai/analysis.h"
#include "rules/cards.h"
#include "rules/piles.h"

namespace verlano {

// No card in play is worth more than a king.
inline constexpr int kHighestCaptureValue = 10;

struct ScratchTable {
  std::array<int, kTableEntries + 1> Cards{};  // card indices: the table, then the hand card
  int Count = 0;
};

// The table (at most `kTableEntries` cards) with `handCard` appended.
ScratchTable TableWithHandCard(std::span<const CardSprite> table, int handCard);

// Keeps the table cards the option does not take, and the hand card only when
// the option lays it down.
void RemainingTable(const CaptureOption& option, ScratchTable& scratch);

// Empty, adding up to more than 10, or every card of the sum's value seen.
bool SweepSafe(const CardTables& cards, const CardMemory& memory, const ScratchTable& scratch);

int TableValueSum(const CardTables& cards, const ScratchTable& scratch);

}  // namespace verlano
