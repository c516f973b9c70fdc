#pragma once
// The review of the human's plays of the hand just over, asked for on the
// score page: each play judged by the coach on what the player could see,
// on a worker thread of its own, so no frame waits for it (a run on a fake
// clock waits in `Start` instead, so that its frames replay exactly). The
// match's running total adds up the hands reviewed so far. It reads the
// game's deal and story and changes nothing of the game.

#include <array>
#include <vector>

#include "engine/judgement.h"
#include "game/background_job.h"
#include "game/play_review.h"
#include "render/review_page.h"

namespace verlano {

struct Game;

class HandReview {
 public:
  explicit HandReview(bool waitForReview) : job_(waitForReview) {}

  // Starts reviewing the human's plays of the hand over in `game`, unless
  // that hand is already reviewed or under review.
  void Start(const Game& game);

  // Whether the review of the hand last started has ended; its plays, worst
  // first, are then readable.
  bool Ready();
  const std::vector<ReviewedPlay>& Plays() const { return plays_; }
  double HandGivenUp() const { return GivenUp(plays_); }
  // The points given up in the hands of this match reviewed so far, and how many.
  double MatchGivenUp() const;
  int HandsReviewed() const;

 private:
  struct Turn {
    int play = 0;
    engine::Position before;
    engine::Move move;
  };

  engine::Judge judge_;  // the worker's alone
  BackgroundJob<std::vector<ReviewedPlay>> job_;
  std::vector<ReviewedPlay> plays_;  // the review ended, worst first
  bool started_ = false;
  bool ready_ = false;
  std::array<int, 53> pack_{};  // the deal under review: its shuffle and leader
  int leader_ = -1;
  int matchHands_ = 0;       // hands of this match reviewed before this one
  double matchGivenUp_ = 0;  // and the points they gave up
  // The match totals when the review was asked: totals that went back tell a new match.
  std::array<int, 2> totals_{};
};

// The review as the page shows it: still weighing, or its rows in the
// player's language, worst first, with the hand's and the match's totals.
ReviewSheet ReviewSheetOf(HandReview& review);

// The cards of `move` made in `position` by the seat to play.
ReviewCards CardsOf(const engine::Position& position, const engine::Move& move);

}  // namespace verlano
