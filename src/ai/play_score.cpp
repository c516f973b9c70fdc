#include "ai/play_score.h"

#include "ai/card_memory.h"
#include "ai/enumerate.h"
#include "rules/game.h"

namespace verlano {

float BaseScore(const Game& game, std::span<const CardSprite> table, const CaptureOption& option) {
  float score = 2.0f * static_cast<float>(option.Count);
  if (option.Safe) score += 50.0f;
  score += 20.0f * static_cast<float>(option.Premium);
  score += static_cast<float>(CountCoins(game.cards, table, option));
  // An Integer divided by 100 is a Double: the sum is made in double, then stored as single.
  score = static_cast<float>(static_cast<double>(score) + option.PrimieraSum / 100.0);
  return score;
}

double KeepValue(const Game& game, const HandAnalysis& analysis, int card) {
  const VariantRules& rules = game.settings.Rules;
  const bool kingScores = rules.Points.KingOfCoins > 0;
  const bool coin = game.cards.CardSuit[card] == kCoinSuit;
  double keep = 0;
  keep -= analysis.IsSettebello;
  if (card == kSettebello) keep -= 10;
  if (card == kKingOfCoins && kingScores) keep -= 10;
  keep += analysis.KnownCount;
  // Any seven (or king) may be what lets the opponents take the unseen one.
  if (!CardIsOut(game, kSettebello) && analysis.Value == 7) keep -= 5;
  if (!CardIsOut(game, kKingOfCoins) && kingScores && analysis.Value == 10) keep -= 5;
  if (coin) keep -= 1;
  // Coins weigh more where the variant says so.
  if (coin) keep -= rules.CoinKeepBonus;
  keep -= game.cards.CardPrimiera[card] / 21.0;
  return keep;
}

float FinalScore(const CaptureOption& option, double keepValue) {
  if (option.Count > 0) return 10.0f * option.Score;
  return static_cast<float>(keepValue / 100.0 + 10.0f * option.Score);
}

}  // namespace verlano
