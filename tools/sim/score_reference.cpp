#include "sim/score_reference.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace verlano::sim {

namespace {

// What one side's cards give before the sides are compared.
struct Tally {
  int coins = 0;
  int primiera = 0;  // 0 while a suit is missing
  bool settebello = false;
  bool king = false;
};

Tally TallyOf(const Game& game, const SidePiles& side) {
  constexpr std::string_view kSuits = "DSCH";
  Tally tally;
  std::array<int, 4> best{};
  for (int i = 0; i < side.CardCount; ++i) {
    const int card = side.Cards[i];
    const std::string code = CardCode(game.cards, card);
    const char suit = code.back();
    tally.coins += suit == 'D' ? 1 : 0;
    tally.settebello = tally.settebello || code == "7D";
    tally.king = tally.king || code == "KD";
    int& suitBest = best[kSuits.find(suit)];
    suitBest = std::max(suitBest, game.cards.CardPrimiera[card]);
  }
  if (std::ranges::none_of(best, [](int b) { return b == 0; })) {
    tally.primiera = best[0] + best[1] + best[2] + best[3];
  }
  return tally;
}

int IfMore(int points, int ours, int theirs) {
  return ours > theirs ? points : 0;
}

}  // namespace

SideScore ReferenceScore(const Game& game, const SidePiles& side, const SidePiles& other,
                         int sweeps) {
  const ItemPoints& points = game.settings.Rules.Points;
  const Tally mine = TallyOf(game, side);
  const Tally theirs = TallyOf(game, other);
  SideScore score;
  score.Sweeps = sweeps;
  score.Coins = mine.coins;
  score.CoinPoints = mine.coins * points.PerCoin;
  score.PrimieraSum = mine.primiera;
  score.Settebello = mine.settebello ? points.Settebello : 0;
  score.KingOfCoins = mine.king ? points.KingOfCoins : 0;
  score.MostCoins = IfMore(points.MostCoins, mine.coins, theirs.coins);
  score.MostCards = IfMore(points.MostCards, side.CardCount, other.CardCount);
  score.PrimieraPoint = IfMore(points.Primiera, mine.primiera, theirs.primiera);
  score.Total = score.CoinPoints + score.Settebello + score.KingOfCoins + score.MostCoins +
                score.MostCards + score.PrimieraPoint + sweeps * points.PerSweep;
  return score;
}

}  // namespace verlano::sim
