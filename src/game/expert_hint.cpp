#include "game/expert_hint.h"

#include "engine/expert.h"
#include "engine/match.h"
#include "game/computer_turn.h"
#include "game/human_turn.h"
#include "rules/game.h"

namespace verlano {

namespace {

// Sets the hint's seeds apart from those the computer seats draw.
constexpr std::uint64_t kHintStream = 0x68696E74;

ExpertHint SearchHint(const Game& game) {
  engine::ExpertPlayer expert;
  const engine::Move move =
      expert.Choose(PositionOf(game, 0), engine::MixSeed(game.searchSeed ^ kHintStream));
  ExpertHint hint;
  hint.HandCard = game.piles.HandCards[0][move.handIndex];
  hint.Count = move.count;
  for (int k = 0; k < move.count; ++k) {
    hint.TableCards[k] = game.piles.TablePile[move.positions[k]].Card;
  }
  return hint;
}

}  // namespace

const ExpertHint* ExpertAdvice::Follow(const Game& game, bool asked) {
  const bool humansTurn = AwaitsHumanPick(game.turn) && game.piles.HandCount[0] > 0;
  if (!humansTurn || cardsPlayed_ != game.piles.CardsPlayed) hint_.reset();
  if (!asked || !humansTurn) return nullptr;
  if (!hint_) {
    hint_ = SearchHint(game);
    cardsPlayed_ = game.piles.CardsPlayed;
    ++searches_;
  }
  return &*hint_;
}

}  // namespace verlano
