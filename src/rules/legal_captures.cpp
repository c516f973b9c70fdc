#include "rules/legal_captures.h"

#include <algorithm>

#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kSeveral = 2;

int ValueAt(const Game& game, int position) {
  return game.cards.CardValue[game.piles.TablePile[position].Card];
}

bool In(TableSet set, int position) {
  return (set >> position & 1U) != 0;
}

}  // namespace

std::array<int, kHighestValue + 1> SetsAddingUp(const Game& game, TableSet among) {
  std::array<int, kHighestValue + 1> sets{};
  sets[0] = 1;
  for (int i = 0; i < game.piles.TableCount - 1; ++i) {
    if (!In(among, i) || !game.piles.TablePile[i].Present) continue;
    const int v = ValueAt(game, i);
    for (int t = kHighestValue; t >= v && v > 0; --t) {
      sets[t] = std::min(kSeveral, sets[t] + sets[t - v]);
    }
  }
  return sets;
}

LegalCaptures FindLegalCaptures(const Game& game) {
  const Piles& p = game.piles;
  LegalCaptures legal;
  if (p.TableCount < 1) return legal;
  const int played = game.cards.CardValue[p.TablePile[p.TableCount - 1].Card];
  TableSet all = 0;
  for (int i = 0; i < p.TableCount - 1; ++i) {
    if (!p.TablePile[i].Present) continue;
    all |= TableSet{1} << i;
    // An equal card is a capture of its own, and rules out every sum.
    if (ValueAt(game, i) == played) {
      legal.cards |= TableSet{1} << i;
      legal.count = std::min(kSeveral, legal.count + 1);
    }
  }
  if (legal.count > 0 || played > kHighestValue) return legal;
  legal.count = SetsAddingUp(game, all)[played];
  if (legal.count == 0) return legal;
  for (int i = 0; i < p.TableCount - 1; ++i) {
    if (!In(all, i)) continue;
    const int rest = played - ValueAt(game, i);
    // Without an equal card every set has two cards or more: the rest is positive.
    if (rest > 0 && SetsAddingUp(game, all & ~(TableSet{1} << i))[rest] > 0) {
      legal.cards |= TableSet{1} << i;
    }
  }
  return legal;
}

}  // namespace verlano
