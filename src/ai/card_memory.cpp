#include "ai/card_memory.h"

#include <algorithm>

#include "ai/used_prefix.h"
#include "rules/game.h"

namespace verlano {

namespace {

bool AnyIs(std::span<const CardSprite> sprites, int card) {
  return std::ranges::any_of(sprites,
                             [card](const CardSprite& sprite) { return sprite.Card == card; });
}

}  // namespace

int KnownValueCount(const Game& game, int card, std::span<const int> hand) {
  const int value = game.cards.CardValue[card];
  const auto sameValue =
      std::ranges::count_if(hand, [&](int other) { return game.cards.CardValue[other] == value; });
  return game.memory.PlayedByValue[value] + static_cast<int>(sameValue);
}

bool CardIsOut(const Game& game, int card) {
  const Piles& piles = game.piles;
  return AnyIs(UsedPrefix(piles.Our.Pile, piles.Our.PileCount), card) ||
         AnyIs(UsedPrefix(piles.Their.Pile, piles.Their.PileCount), card) ||
         AnyIs(UsedPrefix(piles.TablePile, piles.TableCount), card);
}

}  // namespace verlano
