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
                 std::vector<long>& totals, CaptureReach reach) {
  ClassicScores(seen, MemoryOf(seen), plays, reach);
  // Best first, ties kept in order: an insertion sort, as the plays are few
  // and std::stable_sort would allocate a buffer on every decision.
  for (std::size_t i = 1; i < plays.size(); ++i) {
    const ScoredMove play = plays[i];
    std::size_t at = i;
    for (; at > 0 && plays[at - 1].score < play.score; --at) plays[at] = plays[at - 1];
    plays[at] = play;
  }
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

namespace {

// The cards the hand's last play leaves on the table, for the last capturer.
CardSet LeftByLastPlay(const Position& p, const Move& last) {
  const CardSet table = p.TableSet();
  if (last.count == 0 || p.tableCount == 0) return table | Bit(p.hands[p.toPlay][last.handIndex]);
  CardSet taken = 0;
  for (int k = 0; k < last.count; ++k) taken |= Bit(p.table[last.positions[k]]);
  return table & ~taken;
}

// Plays `move`, noting the remainder when it is the hand's last play.
void Observe(Position& p, const Move& move, PlayoutEvents& events) {
  if (LastPlayOfHand(p.cardsPlayed + 1, p.rules.cardsPerHand)) {
    events.remainder = LeftByLastPlay(p, move);
  }
  ApplyMove(p, move);
}

}  // namespace

Position PlayToEnd(Position p, const Move& first, long& work, PlayoutEvents* events) {
  if (events == nullptr) {
    ApplyMove(p, first);
    while (!p.HandOver()) ApplyMove(p, ClassicMove(p, &work).move);
    return p;
  }
  *events = {};
  const auto sweepsOf = [&p](int side) { return p.sweeps[static_cast<std::size_t>(side)]; };
  const int side = SideOf(p.toPlay);
  const int ourSweeps = sweepsOf(side);
  Observe(p, first, *events);
  events->firstSwept = sweepsOf(side) > ourSweeps;
  if (p.HandOver()) return p;
  const int theirSweeps = sweepsOf(1 - side);
  Observe(p, ClassicMove(p, &work).move, *events);
  events->nextSeatSwept = sweepsOf(1 - side) > theirSweeps;
  while (!p.HandOver()) Observe(p, ClassicMove(p, &work).move, *events);
  return p;
}

int PlayOut(const Position& p, const Move& first, int side, long& work) {
  const HandScore score = ScorePosition(PlayToEnd(p, first, work));
  const int margin = score.We.Total - score.They.Total;
  return side == 0 ? margin : -margin;
}

void SearchRound(const Position& seen, const std::vector<ScoredMove>& plays, RoundSize size,
                 Random& rng, std::vector<long>& totals) {
  const int side = SideOf(seen.toPlay);
  DealRound(seen, size, rng, [&](const Position& deal, long& work) {
    for (std::size_t c = 0; c < totals.size(); ++c) {
      totals[c] += PlayOut(deal, plays[c].move, side, work);
    }
  });
}

}  // namespace verlano::engine
