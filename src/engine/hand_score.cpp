#include "engine/hand_score.h"

#include <array>

#include "engine/card_facts.h"
#include "engine/position.h"

namespace verlano::engine {

namespace {

void CountCards(const EngineRules& rules, CardSet cards, int sweeps, SideScore& score) {
  const CardFacts& facts = Facts();
  score.Sweeps = sweeps;
  score.Settebello = Has(cards, kSettebello) ? 1 : 0;
  score.KingOfCoins = rules.kingOfCoins && Has(cards, kKingOfCoins) ? 1 : 0;
  score.Coins = Count(cards & facts.coins);
  std::array<int, 4> best{};
  for (CardSet rest = cards; rest != 0; rest &= rest - 1) {
    const int card = Lowest(rest);
    int& suitBest = best[facts.suit[card]];
    if (facts.primiera[card] > suitBest) suitBest = facts.primiera[card];
  }
  const bool allSuits = best[0] > 0 && best[1] > 0 && best[2] > 0 && best[3] > 0;
  score.PrimieraSum = allSuits ? best[0] + best[1] + best[2] + best[3] : 0;
  score.CoinPoints = rules.coinPoints ? score.Coins : 0;
}

void AwardMore(int ours, int theirs, int& ourPoint, int& theirPoint) {
  ourPoint = ours > theirs ? 1 : 0;
  theirPoint = theirs > ours ? 1 : 0;
}

}  // namespace

HandScore ScoreSides(const EngineRules& rules, CardSet we, CardSet they, int weSweeps,
                     int theySweeps) {
  HandScore score;
  CountCards(rules, we, weSweeps, score.We);
  CountCards(rules, they, theySweeps, score.They);
  if (rules.mostCoins) {
    AwardMore(score.We.Coins, score.They.Coins, score.We.MostCoins, score.They.MostCoins);
  }
  AwardMore(Count(we), Count(they), score.We.MostCards, score.They.MostCards);
  AwardMore(score.We.PrimieraSum, score.They.PrimieraSum, score.We.PrimieraPoint,
            score.They.PrimieraPoint);
  for (SideScore* side : {&score.We, &score.They}) {
    side->Total = side->PrimieraPoint + side->MostCards + side->MostCoins + side->CoinPoints +
                  side->Settebello + side->KingOfCoins + side->Sweeps;
  }
  return score;
}

HandScore ScorePosition(const Position& p) {
  return ScoreSides(p.rules, p.taken[0], p.taken[1], p.sweeps[0], p.sweeps[1]);
}

}  // namespace verlano::engine
