#include "game/expert_hint.h"

#include "game/engine_view.h"
#include "game/human_turn.h"
#include "game/play_review.h"
#include "rules/game.h"

namespace verlano {

namespace {

// The best play as cards of the position judged, which the hand's order may
// have left since, with why it is best and by how much.
ExpertHint HintOf(const engine::Position& position,
                  const std::vector<engine::PlayJudgement>& judged) {
  const engine::Move& move = judged.front().move;
  ExpertHint hint;
  hint.HandCard = position.hands[0][move.handIndex];
  hint.Count = move.count;
  for (int k = 0; k < move.count; ++k) hint.TableCards[k] = position.table[move.positions[k]];
  hint.Reason = judged.front().reason;
  hint.OnlyPlay = judged.size() == 1;
  if (!hint.OnlyPlay) hint.Ahead = judged[0].points - judged[1].points;
  return hint;
}

}  // namespace

const ExpertHint* ExpertAdvice::Follow(const Game& game, bool asked) {
  const bool humansTurn = AwaitsHumanPick(game.turn) && game.piles.HandCount[0] > 0;
  const int turn = humansTurn ? game.piles.CardsPlayed : -1;
  if (turn != turn_) hint_.reset();
  turn_ = turn;
  // A search that ended gives its play to the turn it was for; while one
  // runs (for this turn or an earlier one), no other starts.
  if (search_.Started()) {
    std::optional<ExpertHint> hint = search_.Take();
    if (!hint) return nullptr;
    if (searchedTurn_ == turn_) hint_ = *hint;
  }
  if (!asked || !humansTurn) return nullptr;
  if (!hint_) {
    searchedTurn_ = turn_;
    search_.Start([this, position = PositionOf(game, 0)] {
      return HintOf(position, judge_.Weigh(position, SeenSeed(position)));
    });
    ++searches_;
    std::optional<ExpertHint> hint = search_.Take();
    if (!hint) return nullptr;
    hint_ = *hint;
  }
  return &*hint_;
}

}  // namespace verlano
