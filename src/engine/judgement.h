#pragma once
// The coach's judgement of a seat's turn: every legal play weighed by the
// master's search on what the seat has seen (never the hidden cards), each
// with the hand points its side can expect from it, the points it gives up
// against the best, and the one thing the search saw that sets it apart.
// The review of a hand, the hint's reason and the simulator's review all
// read this one judgement, so they never disagree.

#include <cstdint>
#include <vector>

#include "engine/position.h"

namespace verlano::engine {

// What sets a play apart from the best (for the best play: from the next
// best), found in the playouts; the words are the reader's to choose.
enum class Reason : std::uint8_t {
  None,                // nothing the search saw stands out: the plays are close
  TakesSevenOfCoins,   // the one play takes the seven of coins, the other does not
  LeavesSevenOfCoins,  // leaves the seven of coins for the other side to take
  Sweeps,              // sweeps the table
  LeavesSweep,         // leaves the next seat a sweep
  TakesCoins,          // takes more coins
  KeepsSevens,         // keeps the primiera's sevens for the side
  TakesMoreCards,      // takes more cards towards the most cards
  KeepsLastCapture,    // keeps the hand's last capture, and what the table holds then
};

struct PlayJudgement {
  Move move;
  // The side's hand points minus the other side's, expected over the deals
  // of the unseen cards, after this play.
  double points = 0;
  // The best play's `points` minus these; 0.0 for the best play and for a
  // play within the search's noise of it, never negative.
  double givenUp = 0;
  Reason reason = Reason::None;
};

struct JudgeSettings {
  int deals = 400;          // deals of the unseen cards, every play meeting each
  int minDeals = 32;        // deals made before the work budget may stop the search
  long workBudget = 6000000;  // plays the playouts may weigh in one judgement
};

class Judge {
 public:
  explicit Judge(JudgeSettings settings = {});

  // Every legal play of the seat to play, best first (ties in the classic
  // player's order). The same seed and the same view of the position give
  // the same numbers, whatever the other seats hold.
  const std::vector<PlayJudgement>& Weigh(const Position& position, std::uint64_t seed);

  // How many deals the last judgement used.
  int Deals() const { return deals_; }

 private:
  JudgeSettings settings_;
  std::vector<PlayJudgement> plays_;
  int deals_ = 0;
};

}  // namespace verlano::engine
