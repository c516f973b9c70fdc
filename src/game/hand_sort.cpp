#include "game/hand_sort.h"

#include <cmath>
#include <vector>

#include "rules/flight.h"
#include "rules/game.h"

namespace verlano {

void GatherHand(Game& game, float x, float y) {
  if (AnyCardMoving(game.piles)) return;
  PlayFlipSound(game);
  auto& hand = game.piles.Hand[0];
  for (int i = 1; i < kHandEntries; ++i) {
    CardSprite& s = hand[i];
    if (!s.Present) continue;
    s.HomeX = static_cast<int>(std::nearbyint(s.X));
    s.HomeY = static_cast<int>(std::nearbyint(s.Y));
    s.FaceUp = true;
    StartFlight(s, x, y, game.layout.GatherFrames);
  }
}

void SpreadHand(Game& game) {
  if (AnyCardMoving(game.piles)) return;
  PlaySignSound(game);
  auto& hand = game.piles.Hand[0];
  for (int i = 1; i < kHandEntries; ++i) {
    CardSprite& s = hand[i];
    if (!s.Present) continue;
    s.FaceUp = true;
    StartFlight(s, static_cast<float>(s.HomeX), static_cast<float>(s.HomeY),
                game.layout.GatherFrames);
  }
}

void SortHand(Game& game) {
  auto& hand = game.piles.Hand[0];
  const CardTables& t = game.cards;
  std::vector<int> cards;
  for (const CardSprite& s : hand) {
    if (s.Present) cards.push_back(s.Card);
  }
  std::vector<int> sorted;
  for (int key = 0; key <= 12; ++key) {
    for (int suit = 0; suit < 4; ++suit) {
      for (int c : cards) {
        if (t.SortRank[t.CardValue[c]] == key && t.CardSuit[c] == suit) sorted.push_back(c);
      }
    }
  }
  // The card list follows the new order too, so that it keeps listing the
  // hand's cards in slot order.
  std::size_t next = 0;
  for (CardSprite& s : hand) {
    if (!s.Present || next >= sorted.size()) continue;
    s.Card = sorted[next];
    game.piles.HandCards[0][next++] = s.Card;
  }
}

void StopHandSprites(Game& game) {
  auto& hand = game.piles.Hand[0];
  for (int i = 1; i < kHandEntries; ++i) hand[i].Moving = false;
}

}  // namespace verlano
