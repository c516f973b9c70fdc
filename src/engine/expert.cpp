#include "engine/expert.h"

#include <algorithm>

#include "engine/card_facts.h"
#include "engine/hand_score.h"
#include "rules/random.h"

namespace verlano::engine {

namespace {

// The seen position with the unseen cards dealt at random to the other seats.
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

// Plays the hand out with the classic player; the mover's side's points minus the other's.
int PlayOut(Position p, const Move& first, int side, long& work) {
  ApplyMove(p, first);
  while (!p.HandOver()) ApplyMove(p, ClassicMove(p, &work).move);
  const HandScore score = ScorePosition(p);
  const int margin = score.We.Total - score.They.Total;
  return side == 0 ? margin : -margin;
}

}  // namespace

Position SeenBy(const Position& position) {
  Position seen = position;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat != position.toPlay) seen.hands[seat].fill(0);
  }
  return seen;
}

ExpertPlayer::ExpertPlayer(ExpertSettings settings) : settings_(settings) {
  totals_.reserve(static_cast<std::size_t>(settings_.maxCandidates));
}

Move ExpertPlayer::Choose(const Position& position, std::uint64_t seed) {
  const Position seen = SeenBy(position);
  ClassicScores(seen, MemoryOf(seen), candidates_);
  // The classic player's order of preference: its own choice first, ties as it breaks them.
  std::stable_sort(candidates_.begin(), candidates_.end(),
                   [](const ScoredMove& a, const ScoredMove& b) { return a.score > b.score; });
  const std::size_t tried =
      std::min(candidates_.size(), static_cast<std::size_t>(settings_.maxCandidates));
  if (tried == 1) return candidates_.front().move;
  Random rng(seed);
  const int side = SideOf(seen.toPlay);
  totals_.assign(tried, 0);
  long work = 0;
  for (int s = 0; s < settings_.samples; ++s) {
    const Position deal = SampleDeal(seen, rng);
    for (std::size_t c = 0; c < tried; ++c)
      totals_[c] += PlayOut(deal, candidates_[c].move, side, work);
    if (s + 1 >= settings_.minSamples && work > settings_.workBudget) break;
  }
  // The first best: on equal totals the classic player's preference stands.
  const auto bestIndex =
      static_cast<std::size_t>(std::max_element(totals_.begin(), totals_.end()) - totals_.begin());
  return candidates_[bestIndex].move;
}

}  // namespace verlano::engine
