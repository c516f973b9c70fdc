#include "rules/piles.h"

namespace verlano {

bool AnyCardMoving(const Piles& piles) {
  for (const auto& hand : piles.Hand) {
    for (int i = 0; i < 12; ++i) {
      if (hand[i].Moving) return true;
    }
  }
  for (int i = 0; i < 52; ++i) {
    if (piles.Deck[i].Moving) return true;
  }
  for (int i = 0; i < piles.TableCount; ++i) {
    if (piles.TablePile[i].Moving) return true;
  }
  return false;
}

int LowestFreeSlot(const Piles& piles) {
  for (int a = 0; a < kTableSlotEntries; ++a) {
    if (!piles.TableSlots[a].Occupied) return a;
  }
  return 0;
}

}  // namespace verlano
