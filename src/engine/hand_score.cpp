#include "engine/hand_score.h"

#include <array>

#include "engine/card_facts.h"
#include "engine/position.h"

namespace verlano::engine {

namespace {

// The items that come from one side's cards alone.
void CountCards(const ItemPoints& points, CardSet cards, int sweeps, SideScore& score) {
  const CardFacts& facts = Facts();
  score.Sweeps = sweeps;
  score.Settebello = Has(cards, kSettebello) ? points.Settebello : 0;
  score.KingOfCoins = Has(cards, kKingOfCoins) ? points.KingOfCoins : 0;
  score.Coins = Count(cards & facts.coins);
  score.CoinPoints = score.Coins * points.PerCoin;
  const std::array<int, 4> best = PrimieraCards(cards);
  int sum = 0;
  for (const int card : best) sum += card < 0 ? 0 : facts.primiera[card];
  const bool allSuits = best[0] >= 0 && best[1] >= 0 && best[2] >= 0 && best[3] >= 0;
  score.PrimieraSum = allSuits ? sum : 0;
}

// The item's points to the side with strictly more; none on a tie.
void AwardMore(int points, int ours, int theirs, int& ourPoint, int& theirPoint) {
  ourPoint = ours > theirs ? points : 0;
  theirPoint = theirs > ours ? points : 0;
}

}  // namespace

std::array<int, 4> PrimieraCards(CardSet cards) {
  const CardFacts& facts = Facts();
  std::array<int, 4> best{-1, -1, -1, -1};
  for (CardSet rest = cards; rest != 0; rest &= rest - 1) {
    const int card = Lowest(rest);
    int& suitBest = best[facts.suit[card]];
    if (suitBest < 0 || facts.primiera[card] > facts.primiera[suitBest]) suitBest = card;
  }
  return best;
}

HandScore ScoreSides(const EngineRules& rules, CardSet we, CardSet they, int weSweeps,
                     int theySweeps) {
  const ItemPoints& points = rules.points;
  HandScore score;
  CountCards(points, we, weSweeps, score.We);
  CountCards(points, they, theySweeps, score.They);
  AwardMore(points.MostCoins, score.We.Coins, score.They.Coins, score.We.MostCoins,
            score.They.MostCoins);
  AwardMore(points.MostCards, Count(we), Count(they), score.We.MostCards, score.They.MostCards);
  AwardMore(points.Primiera, score.We.PrimieraSum, score.They.PrimieraSum, score.We.PrimieraPoint,
            score.They.PrimieraPoint);
  for (SideScore* side : {&score.We, &score.They}) {
    side->Total = side->PrimieraPoint + side->MostCards + side->MostCoins + side->CoinPoints +
                  side->Settebello + side->KingOfCoins + side->Sweeps * points.PerSweep;
  }
  return score;
}

HandScore ScorePosition(const Position& p) {
  return ScoreSides(p.rules, p.taken[0], p.taken[1], p.sweeps[0], p.sweeps[1]);
}

}  // namespace verlano::engine
