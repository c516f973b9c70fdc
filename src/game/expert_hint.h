#pragma once
// The hint H gives with "Show hints" on: the play the expert player would
// make in the human's place. It is searched once per turn of the human, the
// first time it is asked for, and kept, so holding H costs no search per
// frame. At the table the search runs on a worker thread of its own and the
// hint shows once it is ready: no frame waits for it. The search's seed is
// derived from the game's search stream without drawing from it, so asking
// changes nothing of the game.

#include <array>
#include <optional>

#include "engine/position.h"
#include "game/seat_search.h"

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
  // `waitForSearch`: the frame that asks waits for the search, as a run on a
  // fake clock must to replay exactly; else the hint comes frames later.
  explicit ExpertAdvice(bool waitForSearch = true) : search_(waitForSearch) {}

  // The hint for the human's turn under way when `asked`, its search started
  // if none is kept; null when not asked, not the human's turn, or while the
  // search runs. A hint of an earlier turn is forgotten.
  const ExpertHint* Follow(const Game& game, bool asked);
  int Searches() const { return searches_; }

 private:
  SeatSearch search_;
  engine::Position searched_;  // what the search under way was given
  int searchedTurn_ = -1;
  std::optional<ExpertHint> hint_;
  int turn_ = -1;  // the human's turn as the cards played before it; -1: not the human's
  int searches_ = 0;
};

}  // namespace verlano
