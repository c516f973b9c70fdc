#pragma once
// What the searching players share: the plays worth trying in the classic
// player's order of preference, the unseen cards dealt to the other seats,
// and a hand played out to its end by the classic player. Both the expert
// and the master search with these, so they deal and play out alike.

#include <vector>

#include "engine/classic_policy.h"
#include "engine/position.h"
#include "rules/random.h"

namespace verlano::engine {

// The position as the seat to play sees it: the other seats' hands emptied of
// their cards (their counts kept).
Position SeenBy(const Position& position);

// Every play of the seat to play (of `reach`) into `plays`, the classic
// player's own choice first and ties as it breaks them, and a zero total for
// each of the first `most` in `totals`, the plays a search tries; false when
// there is only one.
bool StartSearch(const Position& seen, int most, std::vector<ScoredMove>& plays,
                 std::vector<long>& totals, CaptureReach reach = CaptureReach::Searched);

// The seen position with the unseen cards dealt at random to the other seats.
Position SampleDeal(const Position& seen, Random& rng);

// What a playout saw on its way that its end position no longer shows.
struct PlayoutEvents {
  bool firstSwept = false;     // `first` swept the table
  bool nextSeatSwept = false;  // the play after it swept the table
  CardSet remainder = 0;       // the cards left on the table at the hand's end
};

// Plays `first`, then the hand to its end with the classic player at every
// seat, and returns the finished hand; `work` grows by the plays weighed.
// `events`, when given, is filled in.
Position PlayToEnd(Position position, const Move& first, long& work,
                   PlayoutEvents* events = nullptr);

// `side`'s hand points minus the other side's in the hand `PlayToEnd` finishes.
int PlayOut(const Position& position, const Move& first, int side, long& work);

// How many deals a round of search may spend: at most `deals`, and no more
// once its playouts have weighed `workBudget` plays after `minDeals` deals.
struct RoundSize {
  int deals = 0;
  int minDeals = 0;
  long workBudget = 0;
};

// Deals the unseen cards anew for each deal of the round and calls
// `weigh(deal, work)` on it, which plays its plays out and adds the plays it
// weighed to `work`; returns how many deals were made. Every play of a round
// meets the same deals, so their comparison is not blurred by luck.
template <typename Weigh>
int DealRound(const Position& seen, RoundSize size, Random& rng, Weigh&& weigh) {
  long work = 0;
  int s = 0;
  while (s < size.deals) {
    weigh(SampleDeal(seen, rng), work);
    ++s;
    if (s >= size.minDeals && work > size.workBudget) break;
  }
  return s;
}

// One round over the first `totals.size()` plays, each margin added to its total.
void SearchRound(const Position& seen, const std::vector<ScoredMove>& plays, RoundSize size,
                 Random& rng, std::vector<long>& totals);

}  // namespace verlano::engine
