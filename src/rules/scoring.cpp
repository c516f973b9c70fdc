#include "rules/scoring.h"

#include "rules/game.h"

namespace verlano {

namespace {

// The items that come from the cards alone, for one side.
void CountCards(const Game& game, const SidePiles& side, SideScore& score) {
  const ItemPoints& points = game.settings.Rules.Points;
  // Highest primiera value per suit letter D, S, C, H.
  const char suits[4] = {'D', 'S', 'C', 'H'};
  std::array<int, 4> best{};
  for (int i = 0; i < side.CardCount; ++i) {
    const std::string& name = game.cards.CardFileName[side.Cards[i]];
    if (side.Cards[i] == kSettebello) score.Settebello = points.Settebello;
    if (side.Cards[i] == kKingOfCoins) score.KingOfCoins = points.KingOfCoins;
    if (name[1] == 'D') score.Coins += 1;
    for (int k = 0; k < 4; ++k) {
      if (name[1] == suits[k] && game.cards.CardPrimiera[side.Cards[i]] > best[k]) {
        best[k] = game.cards.CardPrimiera[side.Cards[i]];
      }
    }
  }
  const bool allSuits = best[0] > 0 && best[1] > 0 && best[2] > 0 && best[3] > 0;
  score.PrimieraSum = allSuits ? best[0] + best[1] + best[2] + best[3] : 0;
}

// The item's points to the side with strictly more; none on a tie.
void AwardMore(int points, int ours, int theirs, int& ourPoint, int& theirPoint) {
  ourPoint = ours > theirs ? points : 0;
  theirPoint = theirs > ours ? points : 0;
}

void ResetItems(SideScore& score) {
  score.Total = 0;
  score.Settebello = 0;
  score.KingOfCoins = 0;
  score.Coins = 0;
  score.CoinPoints = 0;
  score.MostCoins = 0;
  score.MostCards = 0;
}

}  // namespace

void ScoreHand(Game& game) {
  const ItemPoints& points = game.settings.Rules.Points;
  SideScore& we = game.score.We;
  SideScore& they = game.score.They;
  ResetItems(we);
  ResetItems(they);
  CountCards(game, game.piles.Our, we);
  CountCards(game, game.piles.Their, they);
  we.CoinPoints = we.Coins * points.PerCoin;
  they.CoinPoints = they.Coins * points.PerCoin;
  AwardMore(points.MostCoins, we.Coins, they.Coins, we.MostCoins, they.MostCoins);
  if (game.capture.WeSweep) we.Sweeps += 1;
  if (game.capture.TheySweep) they.Sweeps += 1;
  AwardMore(points.MostCards, game.piles.Our.CardCount, game.piles.Their.CardCount, we.MostCards,
            they.MostCards);
  AwardMore(points.Primiera, we.PrimieraSum, they.PrimieraSum, we.PrimieraPoint,
            they.PrimieraPoint);
  for (SideScore* side : {&we, &they}) {
    side->Total = side->PrimieraPoint + side->MostCards + side->MostCoins + side->CoinPoints +
                  side->Settebello + side->KingOfCoins + SweepPoints(game, *side);
  }
}

int SweepPoints(const Game& game, const SideScore& score) {
  return score.Sweeps * game.settings.Rules.Points.PerSweep;
}

int HistoryRowsPerPage(const Game& game) {
  return game.settings.Rules.HistoryRows;
}

void RecordHandScore(Game& game) {
  MatchState& m = game.match;
  if (m.HistoryCount == HistoryRowsPerPage(game)) {
    m.OurHistory[0] = m.OurMatchTotal;
    m.TheirHistory[0] = m.TheirMatchTotal;
    m.HistoryCount = 1;
  }
  m.OurHistory[m.HistoryCount] = game.score.We.Total;
  m.TheirHistory[m.HistoryCount] = game.score.They.Total;
  m.HistoryCount += 1;
  m.OurMatchTotal += game.score.We.Total;
  m.TheirMatchTotal += game.score.They.Total;
  m.Result = MatchResult::None;
  if (m.OurMatchTotal > m.MatchTarget && m.TheirMatchTotal < m.OurMatchTotal) {
    m.Result = MatchResult::Won;
    game.sound->PlaySound(kMatchWonSound);
    m.MatchOver = true;
  } else if (m.TheirMatchTotal > m.MatchTarget) {
    if (m.OurMatchTotal < m.TheirMatchTotal) {
      m.Result = MatchResult::Lost;
      game.sound->PlaySound(kMatchLostSound);
      m.MatchOver = true;
    } else {
      game.sound->PlaySound(kHandEndSound);
      m.Result = MatchResult::TieOverTarget;
    }
  } else {
    game.sound->PlaySound(kHandEndSound);
  }
}

void SetMatchTarget(Game& game) {
  game.match.MatchTarget = game.settings.Rules.MatchTarget;
}

}  // namespace verlano
