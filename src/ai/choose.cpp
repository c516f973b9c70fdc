#include "ai/choose.h"

#include <algorithm>
#include <vector>

#include "ai/card_memory.h"
#include "ai/enumerate.h"
#include "ai/play_score.h"
#include "ai/safety.h"
#include "ai/used_prefix.h"
#include "rules/game.h"

namespace verlano {

namespace {

CaptureChoice ChoiceOf(const CaptureOption& option) {
  CaptureChoice choice;
  std::copy_n(option.Positions.begin(), option.Count, choice.Positions.begin());
  choice.Safe = option.Safe;
  choice.Count = option.Count;
  choice.Premium = option.Premium;
  choice.PrimieraSum = option.PrimieraSum;
  choice.Score = option.Score;
  return choice;
}

}  // namespace

ComputerPlay ChooseComputerCard(const Game& game, int seat) {
  const Piles& piles = game.piles;
  return ChooseBestPlay(game, UsedPrefix(piles.HandCards[seat], piles.HandCount[seat]),
                        UsedPrefix(piles.TablePile, piles.TableCount));
}

ComputerPlay ChooseBestPlay(const Game& game, std::span<const int> hand,
                            std::span<const CardSprite> table) {
  table = table.first(std::min<std::size_t>(table.size(), kTableEntries));
  std::vector<HandAnalysis> analyses(hand.size());
  for (std::size_t c = 0; c < hand.size(); ++c) {
    AnalyseHandCard(game, analyses[c], hand[c], table, hand);
  }
  for (HandAnalysis& analysis : analyses) {
    for (CaptureOption& option : analysis.Options) option.Score = BaseScore(game, table, option);
  }
  for (std::size_t c = 0; c < hand.size(); ++c) {
    analyses[c].KeepValue = KeepValue(game, analyses[c], hand[c]);
  }
  // Strictly greater only, so on equal scores the first card and option stay.
  float best = -100.0f;
  int bestCard = -1;
  const CaptureOption* bestOption = nullptr;
  for (std::size_t c = 0; c < hand.size(); ++c) {
    for (CaptureOption& option : analyses[c].Options) {
      option.Score = FinalScore(option, analyses[c].KeepValue);
      if (option.Score > best) {
        best = option.Score;
        bestCard = static_cast<int>(c);
        bestOption = &option;
      }
    }
  }
  return {bestCard, ChoiceOf(bestOption != nullptr ? *bestOption : CaptureOption{})};
}

void AnalyseHandCard(const Game& game, HandAnalysis& analysis, int card,
                     std::span<const CardSprite> table, std::span<const int> hand) {
  analysis.IsSettebello = SettebelloFlag(card);
  analysis.KnownCount = KnownValueCount(game, card, hand);
  analysis.Value = game.cards.CardValue[card];
  EnumerateCaptures(game, analysis, card, table);
  const ScratchTable withCard = TableWithHandCard(table, card);
  for (CaptureOption& option : analysis.Options) {
    ScratchTable scratch = withCard;
    RemainingTable(option, scratch);
    option.Safe = SweepSafe(game.cards, game.memory, scratch);
  }
}

}  // namespace verlano
