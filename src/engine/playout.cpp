#include "engine/playout.h"

#include <algorithm>

#include "engine/card_facts.h"
#include "engine/hand_score.h"

namespace verlano::engine {

Position SeenBy(const Position& position) {
  Position seen = position;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat != position.toPlay) seen.hands[seat].fill(0);
  }
  return seen;
}

bool StartSearch(const Position& seen, int most, std::vector<ScoredMove>& plays,
                 std::vector<long>& totals) {
  ClassicScores(seen, MemoryOf(seen), plays);
  std::stable_sort(plays.begin(), plays.end(),
                   [](const ScoredMove& a, const ScoredMove& b) { return a.score > b.score; });
  totals.assign(std::min(plays.size(), static_cast<std::size_t>(most)), 0);
  return totals.size() > 1;
}

Position SampleDeal(const Position& seen, Random& rng) {
  const int me = seen.toPlay;
  const CardSet unseen = Facts().inPlay & ~(seen.HandSet(me) | seen.PlayedSet());
  std::array<std::int8_t, kSeats * kMaxHand> cards{};
  int n = 0;
  for (CardSet rest = unseen; rest != 0; rest &= rest - 1) {
    cards[n++] = static_cast<std::int8_t>(Lowest(rest));
  }
  for (int i = n - 1; i > 0; --i) std::swap(cards[i], cards[rng.Below(i + 1)]);
  Position deal = seen;
  int next = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == me) continue;
    for (int k = 0; k < deal.handCount[seat]; ++k) deal.hands[seat][k] = cards[next++];
  }
  return deal;
}

int PlayOut(Position p, const Move& first, int side, long& work) {
  ApplyMove(p, first);
  while (!p.HandOver()) ApplyMove(p, ClassicMove(p, &work).move);
  const HandScore score = ScorePosition(p);
  const int margin = score.We.Total - score.They.Total;
  return side == 0 ? margin : -margin;
}

void SearchRound(const Position& seen, const std::vector<ScoredMove>& plays, RoundSize size,
                 Random& rng, std::vector<long>& totals) {
  const int side = SideOf(seen.toPlay);
  long work = 0;
  for (int s = 0; s < size.deals; ++s) {
    const Position deal = SampleDeal(seen, rng);
    for (std::size_t c = 0; c < totals.size(); ++c) {
      totals[c] += PlayOut(deal, plays[c].move, side, work);
    }
    if (s + 1 >= size.minDeals && work > size.workBudget) break;
  }
}

}  // namespace verlano::engine
