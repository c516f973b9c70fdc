#include "ai/card_memory.h"

#include <algorithm>

#include "ai/used_prefix.h"
#include "rules/game.h"

namespace verlano {

namespace {

bool AnyNamed(const Game& game, std::span<const CardSprite> sprites, std::string_view fileName) {
  return std::ranges::any_of(sprites, [&](const CardSprite& sprite) {
    return game.cards.CardFileName[sprite.Card] == fileName;
  });
}

}  // namespace

int KnownValueCount(const Game& game, int card, std::span<const int> hand) {
  const int value = game.cards.CardValue[card];
  const auto sameValue =
      std::ranges::count_if(hand, [&](int other) { return game.cards.CardValue[other] == value; });
  return game.memory.PlayedByValue[value] + static_cast<int>(sameValue);
}

bool CardIsOut(const Game& game, std::string_view fileName) {
  const Piles& piles = game.piles;
  return AnyNamed(game, UsedPrefix(piles.Our.Pile, piles.Our.PileCount), fileName) ||
         AnyNamed(game, UsedPrefix(piles.Their.Pile, piles.Their.PileCount), fileName) ||
         AnyNamed(game, UsedPrefix(piles.TablePile, piles.TableCount), fileName);
}

}  // namespace verlano
