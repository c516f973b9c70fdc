#include "rules/piles.h"

namespace verlano {

bool AnyCardMoving(const Piles& piles) {
  // Asked several times a frame: the places a card most often flies from (the
  // table, the deck's top card) are looked at first, so that a frame with a
  // card in flight mostly answers after a few cards.
  for (int i = 0; i < piles.TableCount; ++i) {
    if (piles.TablePile[i].Moving) return true;
  }
  if (piles.DeckTop > 0 && piles.DeckTop <= 52 && piles.Deck[piles.DeckTop - 1].Moving) return true;
  for (const auto& hand : piles.Hand) {
    for (int i = 0; i < 12; ++i) {
      if (hand[i].Moving) return true;
    }
  }
  for (int i = 0; i < 52; ++i) {
    if (piles.Deck[i].Moving) return true;
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
