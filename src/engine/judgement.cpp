#include "engine/judgement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "engine/hand_score.h"
#include "engine/playout.h"

namespace verlano::engine {

namespace {

// The parts of a hand's margin a reason can name, each in points for the
// side to play.
enum Item : std::size_t {
  kSevenOfCoins,
  kCoins,
  kPrimiera,
  kMostCards,
  kOwnSweep,
  kNextSeatSweep,
  kLastCapture,
  kItemCount
};

// The reason for each item: what the better play gains, what the worse gives up.
constexpr std::array<std::array<Reason, 2>, kItemCount> kReasons = {{
    {Reason::TakesSevenOfCoins, Reason::LeavesSevenOfCoins},
    {Reason::TakesCoins, Reason::GivesUpCoins},
    {Reason::KeepsSevens, Reason::GivesUpSevens},
    {Reason::TakesMoreCards, Reason::TakesFewerCards},
    {Reason::Sweeps, Reason::MissesSweep},
    {Reason::LeavesNoSweep, Reason::LeavesSweep},
    {Reason::KeepsLastCapture, Reason::GivesUpLastCapture},
}};

// An item names a difference when it makes at least this share of the gap
// between the two plays, and at least this many points.
constexpr double kItemShare = 0.5;
constexpr double kItemPoints = 0.1;

int CoinPoints(const SideScore& s) {
  return s.MostCoins + s.CoinPoints + s.KingOfCoins;
}

int WeMinusThey(const HandScore& score) {
  return score.We.Total - score.They.Total;
}

// Each item's points for `side` in a finished hand, and the hand's margin.
int ItemsOf(const Position& end, const PlayoutEvents& events, int side,
            std::array<int, kItemCount>& items) {
  const HandScore score = ScorePosition(end);
  const int sign = side == 0 ? 1 : -1;
  const ItemPoints& points = end.rules.points;
  items[kSevenOfCoins] = sign * (score.We.Settebello - score.They.Settebello);
  items[kCoins] = sign * (CoinPoints(score.We) - CoinPoints(score.They));
  items[kPrimiera] = sign * (score.We.PrimieraPoint - score.They.PrimieraPoint);
  items[kMostCards] = sign * (score.We.MostCards - score.They.MostCards);
  items[kOwnSweep] = events.firstSwept ? points.PerSweep : 0;
  items[kNextSeatSweep] = events.nextSeatSwept ? -points.PerSweep : 0;
  // What the remainder made: the hand scored again as if nobody had it.
  std::array<CardSet, 2> without = end.taken;
  without[static_cast<std::size_t>(RemainderSide(end.lastCapturer))] &= ~events.remainder;
  const HandScore bare =
      ScoreSides(end.rules, without[0], without[1], end.sweeps[0], end.sweeps[1]);
  items[kLastCapture] = sign * (WeMinusThey(score) - WeMinusThey(bare));
  return sign * WeMinusThey(score);
}

}  // namespace

Judge::Judge(JudgeSettings settings) : settings_(settings) {}

void Judge::PlayDeals(const Position& seen, std::uint64_t seed) {
  const std::size_t count = legal_.size();
  const int side = SideOf(seen.toPlay);
  margins_.resize(static_cast<std::size_t>(settings_.deals) * count);
  items_.assign(count * kItemCount, 0);
  Random rng(seed);
  int deal = 0;
  std::array<int, kItemCount> items{};
  deals_ = DealRound(seen,
                     {.deals = settings_.deals,
                      .minDeals = settings_.minDeals,
                      .workBudget = settings_.workBudget},
                     rng, [&](const Position& dealt, long& work) {
                       for (std::size_t c = 0; c < count; ++c) {
                         PlayoutEvents events;
                         const Position end = PlayToEnd(dealt, legal_[c].move, work, &events);
                         const int margin = ItemsOf(end, events, side, items);
                         margins_[static_cast<std::size_t>(deal) * count + c] = margin;
                         totals_[c] += margin;
                         for (std::size_t k = 0; k < kItemCount; ++k) {
                           items_[c * kItemCount + k] += items[k];
                         }
                       }
                       ++deal;
                     });
}

Reason Judge::ReasonFor(std::size_t better, std::size_t worse, std::size_t play) const {
  const double gap = static_cast<double>(totals_[better] - totals_[worse]) / deals_;
  std::size_t item = 0;
  long most = std::numeric_limits<long>::min();
  for (std::size_t k = 0; k < kItemCount; ++k) {
    const long difference = items_[better * kItemCount + k] - items_[worse * kItemCount + k];
    if (difference > most) {
      most = difference;
      item = k;
    }
  }
  const double points = static_cast<double>(most) / deals_;
  if (points < kItemPoints || points < kItemShare * gap) return Reason::None;
  return kReasons[item][play == better ? 0 : 1];
}

void Judge::Rank() {
  const std::size_t count = legal_.size();
  order_.resize(count);
  std::iota(order_.begin(), order_.end(), std::size_t{0});
  // On equal totals the classic player's order stands (std::sort allocates
  // nothing, where std::stable_sort would).
  std::sort(order_.begin(), order_.end(), [this](std::size_t a, std::size_t b) {
    return totals_[a] != totals_[b] ? totals_[a] > totals_[b] : a < b;
  });
  const std::size_t best = order_.front();
  const double n = deals_;
  plays_.clear();
  for (const std::size_t c : order_) {
    // The paired differences to the best, deal by deal: their mean and its standard error.
    double sum = 0;
    double squares = 0;
    for (int d = 0; d < deals_; ++d) {
      const std::size_t row = static_cast<std::size_t>(d) * count;
      const double difference = margins_[row + best] - margins_[row + c];
      sum += difference;
      squares += difference * difference;
    }
    const double mean = sum / n;
    const double variance = deals_ > 1 ? std::max(0.0, (squares - n * mean * mean) / (n - 1)) : 0;
    const bool beyondNoise = mean > kNoiseErrors * std::sqrt(variance / n);
    plays_.push_back({.move = legal_[c].move,
                      .points = static_cast<double>(totals_[c]) / n,
                      .givenUp = beyondNoise ? mean : 0.0});
  }
  // The best says what it gains over the next best, a costly play what it gives up.
  if (count > 1 && plays_[1].givenUp > 0) {
    plays_[0].reason = ReasonFor(best, order_[1], best);
  }
  for (std::size_t i = 1; i < count; ++i) {
    if (plays_[i].givenUp > 0) plays_[i].reason = ReasonFor(best, order_[i], order_[i]);
  }
}

const std::vector<PlayJudgement>& Judge::Weigh(const Position& position, std::uint64_t seed) {
  const Position seen = SeenBy(position);
  // The human's larger captures are weighed too: a review meets them.
  StartSearch(seen, std::numeric_limits<int>::max(), legal_, totals_, CaptureReach::Lawful);
  PlayDeals(seen, seed);
  Rank();
  return plays_;
}

}  // namespace verlano::engine
