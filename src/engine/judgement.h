#pragma once
// The coach's judgement of a seat's turn: every legal play weighed by the
// master's search on what the seat has seen (never the hidden cards), each
// with the hand points its side can expect from it, the points it gives up
// against the best, and the one thing the search saw that sets it apart.
// The review of a hand, the hint's reason and the simulator's review all
// read this one judgement, so they never disagree.

#include <cstdint>
#include <vector>

#include "engine/classic_policy.h"
#include "engine/position.h"

namespace verlano::engine {

// What sets a play apart from the best (for the best play: from the next
// best), found in the playouts, each in the two directions: what the better
// play gains, what the worse one gives up. The words are the reader's to choose.
enum class Reason : std::uint8_t {
  None,                // nothing the search saw stands out: the plays are close
  TakesSevenOfCoins,   // the side ends the hand with the seven of coins more often
  LeavesSevenOfCoins,  // leaves the seven of coins for the other side to take
  Sweeps,              // the play sweeps the table
  MissesSweep,         // another play would have swept the table
  LeavesNoSweep,       // the next seat cannot sweep after it
  LeavesSweep,         // leaves the next seat a sweep
  TakesCoins,          // more coins (the most coins, the coins' own points, the King of Coins)
  GivesUpCoins,
  KeepsSevens,  // the primiera, which the sevens decide most often
  GivesUpSevens,
  TakesMoreCards,  // the most cards
  TakesFewerCards,
  KeepsLastCapture,  // the hand's last capture, and what the table holds then
  GivesUpLastCapture,
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
  int deals = 400;            // deals of the unseen cards, every play meeting each
  int minDeals = 32;          // deals made before the work budget may stop the search
  long workBudget = 6000000;  // plays the playouts may weigh in one judgement
};

// A play costs points only when its mean paired difference to the best is
// more than this many standard errors of that mean (a two-sided 95% test).
inline constexpr double kNoiseErrors = 1.96;

class Judge {
 public:
  explicit Judge(JudgeSettings settings = {});

  // Every legal play of the seat to play (which must hold a card), best
  // first (ties in the classic player's order). The same seed and the same
  // view of the position give the same numbers, whatever the other seats hold.
  const std::vector<PlayJudgement>& Weigh(const Position& position, std::uint64_t seed);

 private:
  // Plays every play out in each deal, keeping the margins and the items.
  void PlayDeals(const Position& seen, std::uint64_t seed);
  // Fills `plays_` best first with the points, what each gives up and why.
  void Rank();
  // What sets `play`, one of the two, apart: in the better one's favour.
  Reason ReasonFor(std::size_t better, std::size_t worse, std::size_t play) const;

  JudgeSettings settings_;
  std::vector<ScoredMove> legal_;  // in the classic player's order
  std::vector<long> totals_;       // each play's margins added over the deals
  std::vector<int> margins_;       // deal by deal, a margin for each play
  std::vector<long> items_;        // play by play, each item's points added over the deals
  std::vector<std::size_t> order_;
  std::vector<PlayJudgement> plays_;
  int deals_ = 0;
};

}  // namespace verlano::engine
