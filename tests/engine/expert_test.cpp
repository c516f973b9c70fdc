// The expert player sees only what its seat has seen, and its playouts use
// no heap: the sanitizers' allocation hook watches a whole playout and a
// whole round of the searching players' deals.

#include "engine/expert.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <vector>

#include "allocation_count.h"
#include "engine/classic_policy.h"
#include "engine/deal_position.h"
#include "engine/playout.h"
#include "rules/random.h"
#include "rules/variant_rules.h"

namespace verlano::engine {
namespace {

EngineRules NineCards() {
  return RulesOf(RulesFor(Variant::Nine, false));
}

// Swaps one card between two other seats' hands: what the seat to play sees stays the same.
Position SwapHidden(Position p, int first, int second) {
  std::swap(p.hands[first][0], p.hands[second][0]);
  return p;
}

TEST(Expert, DecisionDependsOnlyOnWhatTheSeatHasSeen) {
  Random rng(11);
  ExpertPlayer expert(ExpertSettings{.samples = 12, .maxCandidates = 6});
  int differentHands = 0;
  for (int trial = 0; trial < 40; ++trial) {
    Position p = DealPosition(NineCards(), trial % kSeats, rng);
    for (int plays = rng.Below(20); plays > 0; --plays) ApplyMove(p, ClassicMove(p).move);
    const int me = p.toPlay;
    const Position other = SwapHidden(p, (me + 1) % kSeats, (me + 2) % kSeats);
    differentHands += other.HandSet((me + 1) % kSeats) != p.HandSet((me + 1) % kSeats);
    const Move a = expert.Choose(p, 1000 + trial);
    const Move b = expert.Choose(other, 1000 + trial);
    ASSERT_EQ(a.handIndex, b.handIndex) << trial;
    ASSERT_EQ(a.count, b.count) << trial;
    ASSERT_EQ(a.positions, b.positions) << trial;
  }
  EXPECT_GT(differentHands, 30);
}

TEST(Expert, PlayoutAllocatesNothing) {
  if (__sanitizer_install_malloc_and_free_hooks == nullptr) GTEST_SKIP() << "needs the sanitizers";
  __sanitizer_install_malloc_and_free_hooks(::verlano::test::CountAllocation,
                                            ::verlano::test::IgnoreFree);
  Random rng(3);
  Position p = DealPosition(NineCards(), 0, rng);
  const long before = ::verlano::test::g_allocations.load();
  while (!p.HandOver()) ApplyMove(p, ClassicMove(p).move);
  EXPECT_EQ(::verlano::test::g_allocations.load(), before);
}

TEST(Expert, SearchRoundAllocatesNothing) {
  if (__sanitizer_install_malloc_and_free_hooks == nullptr) GTEST_SKIP() << "needs the sanitizers";
  __sanitizer_install_malloc_and_free_hooks(::verlano::test::CountAllocation,
                                            ::verlano::test::IgnoreFree);
  Random rng(5);
  const Position seen = SeenBy(DealPosition(NineCards(), 2, rng));
  std::vector<ScoredMove> plays;
  std::vector<long> totals;
  ASSERT_TRUE(StartSearch(seen, 6, plays, totals));
  const long before = ::verlano::test::g_allocations.load();
  SearchRound(seen, plays, {.deals = 20, .minDeals = 1, .workBudget = 1L << 40}, rng, totals);
  EXPECT_EQ(::verlano::test::g_allocations.load(), before);
  EXPECT_NE(totals, std::vector<long>(totals.size(), 0));
}

}  // namespace
}  // namespace verlano::engine
