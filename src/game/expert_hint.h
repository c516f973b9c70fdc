#pragma once
// The hint H gives with "Show hints" on: the play the coach judges best in
// the human's place, with the reason the judgement found and how far it is
// ahead of the next best play. It is judged once per turn of the human, the
// first time it is asked for, and kept, so holding H costs no search per
// frame. At the table the judgement runs on a worker thread of its own and
// the hint shows once it is ready: no frame waits for it. Its seed comes
// from what the human sees, so asking changes nothing of the game, and the
// review of the turn later gives the same numbers.

#include <array>
#include <optional>

#include "engine/judgement.h"
#include "engine/position.h"
#include "game/background_job.h"

namespace verlano {

struct Game;

// The play as cards, not places: it stays right while R sorts the hand.
struct ExpertHint {
  int HandCard = -1;                                // the card to play
  std::array<int, engine::kMaxTaken> TableCards{};  // the table cards it takes
  int Count = 0;
  engine::Reason Reason = engine::Reason::None;  // what sets it apart from the next best
  double Ahead = 0;       // the points a hand it can expect beyond the next best
  bool OnlyPlay = false;  // there is no other
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
  engine::Judge judge_;  // the worker's alone
  BackgroundJob<ExpertHint> search_;
  int searchedTurn_ = -1;
  std::optional<ExpertHint> hint_;
  int turn_ = -1;  // the human's turn as the cards played before it; -1: not the human's
  int searches_ = 0;
};

}  // namespace verlano
