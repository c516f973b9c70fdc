#pragma once
// The hint H gives with "Show hints" on: the play the expert player would
// make in the human's place. It is searched once per turn of the human, the
// first time it is asked for, and kept, so holding H costs no search per
// frame. The search's seed is derived from the game's search stream without
// drawing from it, so asking changes nothing of the game.

#include <array>
#include <optional>

#include "engine/position.h"

namespace verlano {

struct Game;

// The play as cards, not places: it stays right while R sorts the hand.
struct ExpertHint {
  int HandCard = -1;                                // the card to play
  std::array<int, engine::kMaxTaken> TableCards{};  // the table cards it takes
  int Count = 0;
  bool operator==(const ExpertHint&) const = default;
};

class ExpertAdvice {
 public:
  // The hint for the human's turn under way when `asked`, searched if none
  // is kept; null when not asked or not the human's turn. A hint of an
  // earlier turn is forgotten.
  const ExpertHint* Follow(const Game& game, bool asked);
  int Searches() const { return searches_; }

 private:
  std::optional<ExpertHint> hint_;
  int cardsPlayed_ = -1;  // when the hint kept was searched
  int searches_ = 0;
};

}  // namespace verlano
