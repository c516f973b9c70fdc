#include "ai/safety.h"

#include <algorithm>

namespace verlano {

ScratchTable TableWithHandCard(std::span<const CardSprite> table, int handCard) {
  ScratchTable scratch;
  for (const CardSprite& sprite : table.first(std::min<std::size_t>(table.size(), kTableEntries))) {
    scratch.Cards[scratch.Count++] = sprite.Card;
  }
  scratch.Cards[scratch.Count++] = handCard;
  return scratch;
}

void RemainingTable(const CaptureOption& option, ScratchTable& scratch) {
  const int handSlot = scratch.Count - 1;
  const auto taken = std::span<const int>(option.Positions).first(option.Count);
  int kept = 0;
  for (int i = 0; i < scratch.Count; ++i) {
    const bool goes = i == handSlot ? option.Count > 0 : std::ranges::find(taken, i) != taken.end();
    if (!goes) scratch.Cards[kept++] = scratch.Cards[i];
  }
  scratch.Count = kept;
}

bool SweepSafe(const CardTables& cards, const CardMemory& memory, const ScratchTable& scratch) {
  if (scratch.Count == 0) return true;
  // One card is the case of a sum of one value; either way only a card of that
  // value could sweep, and it is safe once all four have been seen.
  const int sum = TableValueSum(cards, scratch);
  if (sum > kHighestCaptureValue) return true;
  return memory.PlayedByValue[sum] > 3;
}

int TableValueSum(const CardTables& cards, const ScratchTable& scratch) {
  int sum = 0;
  for (int i = 0; i < scratch.Count; ++i) sum += cards.CardValue[scratch.Cards[i]];
  return sum;
}

}  // namespace verlano
