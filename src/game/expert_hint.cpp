#include "game/expert_hint.h"

#include "engine/match.h"
#include "game/engine_view.h"
#include "game/human_turn.h"
#include "rules/game.h"

namespace verlano {

namespace {

// Sets the hint's seeds apart from those the computer seats draw.
constexpr std::uint64_t kHintStream = 0x68696E74;

// The play as cards of the position searched, which the hand's order may
// have left since.
ExpertHint HintOf(const engine::Position& position, const engine::Move& move) {
  ExpertHint hint;
  hint.HandCard = position.hands[0][move.handIndex];
  hint.Count = move.count;
  for (int k = 0; k < move.count; ++k) hint.TableCards[k] = position.table[move.positions[k]];
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
    const std::optional<engine::Move> move = search_.TakePlay();
    if (!move) return nullptr;
    if (searchedTurn_ == turn_) hint_ = HintOf(searched_, *move);
  }
  if (!asked || !humansTurn) return nullptr;
  if (!hint_) {
    searched_ = PositionOf(game, 0);
    searchedTurn_ = turn_;
    search_.Start(searched_, engine::Level::Expert, engine::MixSeed(game.searchSeed ^ kHintStream));
    ++searches_;
    const std::optional<engine::Move> move = search_.TakePlay();
    if (!move) return nullptr;
    hint_ = HintOf(searched_, *move);
  }
  return &*hint_;
}

}  // namespace verlano
