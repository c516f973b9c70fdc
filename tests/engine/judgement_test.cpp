// The coach's judgement is honest: every legal play weighed once, the best
// never shown as costing points, nothing negative, the same numbers for the
// same seed whatever the hidden cards, exact where nothing is hidden, and the
// reason pointing the right way on a plain case; a judge weighing again
// allocates nothing, as the worker threads that keep one need.

#include "engine/judgement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <tuple>
#include <vector>

#include "allocation_count.h"
#include "engine/captures.h"
#include "engine/card_facts.h"
#include "engine/hand_score.h"
#include "position_builder.h"
#include "random_positions.h"

namespace verlano::engine {
namespace {

// Few deals: the sanitizers make every playout slow.
constexpr JudgeSettings kQuick{.deals = 24, .minDeals = 8, .workBudget = 1L << 40};

// A play by its card and the table cards it takes, whatever order it was found in.
using PlayKey = std::pair<int, CardSet>;

PlayKey KeyOf(const Position& p, const Move& move) {
  CardSet taken = 0;
  for (int k = 0; k < move.count; ++k) taken |= Bit(p.table[move.positions[k]]);
  return {p.hands[p.toPlay][move.handIndex], taken};
}

std::vector<PlayKey> LegalKeys(const Position& p) {
  std::vector<PlayKey> keys;
  for (int h = 0; h < p.handCount[p.toPlay]; ++h) {
    ForEachCapture(p, h, [&](const Move& m) { keys.push_back(KeyOf(p, m)); });
  }
  std::ranges::sort(keys);
  return keys;
}

auto Numbers(const PlayJudgement& j) {
  return std::tuple(j.move.handIndex, j.move.count, j.points, j.givenUp, j.reason);
}

TEST(Judgement, EveryLegalPlayOnceBestFirstHonestAndBlindToTheHiddenCards) {
  Judge judge(kQuick);
  Random rng(77);
  int hiddenChanged = 0;
  int costly = 0;
  for (const EngineRules& rules : test::EveryVariant()) {
    for (int trial = 0; trial < 8; ++trial) {
      const Position p = test::MidHand(rules, rng);
      const std::uint64_t seed = rng.Below(1 << 30);
      const std::vector<PlayJudgement> judged = judge.Weigh(p, seed);
      std::vector<PlayKey> keys;
      for (const PlayJudgement& j : judged) keys.push_back(KeyOf(p, j.move));
      std::ranges::sort(keys);
      ASSERT_EQ(keys, LegalKeys(p)) << "trial " << trial;
      EXPECT_EQ(judged.front().givenUp, 0.0);
      for (std::size_t i = 0; i < judged.size(); ++i) {
        const PlayJudgement& j = judged[i];
        if (i > 0) {
          EXPECT_LE(j.points, judged[i - 1].points);
        }
        // Either within the noise or the whole gap to the best; never negative.
        EXPECT_GE(j.givenUp, 0.0);
        if (j.givenUp != 0.0) {
          EXPECT_NEAR(j.givenUp, judged.front().points - j.points, 1e-9);
        } else if (i > 0) {
          EXPECT_EQ(j.reason, Reason::None);
        }
        costly += j.givenUp > 0 ? 1 : 0;
      }
      const Position other = test::HiddenDealtAgain(p, rng);
      hiddenChanged += other == p ? 0 : 1;
      Judge fresh(kQuick);
      const std::vector<PlayJudgement>& again = fresh.Weigh(other, seed);
      ASSERT_EQ(again.size(), judged.size());
      for (std::size_t i = 0; i < judged.size(); ++i) {
        EXPECT_EQ(Numbers(again[i]), Numbers(judged[i])) << "trial " << trial << " play " << i;
      }
    }
  }
  EXPECT_GT(hiddenChanged, 30);
  EXPECT_GT(costly, 40) << "the judgement should find plays that cost points";
}

TEST(Judgement, TheLastPlayOfAHandIsExactlyItsMargin) {
  Random rng(5);
  for (const EngineRules& rules : test::EveryVariant()) {
    Position p = DealPosition(rules, 2, rng);
    while (p.cardsPlayed + 1 < kSeats * rules.cardsPerHand) ApplyMove(p, ClassicMove(p).move);
    const int side = SideOf(p.toPlay);
    Judge judge(kQuick);
    const std::vector<PlayJudgement>& judged = judge.Weigh(p, 9);
    ASSERT_EQ(judged.size(), 1u);
    Position end = p;
    ApplyMove(end, judged.front().move);
    const HandScore score = ScorePosition(end);
    const int margin = score.We.Total - score.They.Total;
    EXPECT_DOUBLE_EQ(judged.front().points, side == 0 ? margin : -margin);
    EXPECT_EQ(judged.front().givenUp, 0.0);
    EXPECT_EQ(judged.front().reason, Reason::None);
  }
}

TEST(Judgement, AJudgeWeighingAgainAllocatesNothing) {
  if (__sanitizer_install_malloc_and_free_hooks == nullptr) GTEST_SKIP() << "needs the sanitizers";
  __sanitizer_install_malloc_and_free_hooks(::verlano::test::CountAllocation,
                                            ::verlano::test::IgnoreFree);
  Random rng(8);
  const Position p = DealPosition(test::EveryVariant()[1], 0, rng);
  Judge judge(kQuick);
  judge.Weigh(p, 1);
  const long before = ::verlano::test::g_allocations.load();
  judge.Weigh(p, 2);
  EXPECT_EQ(::verlano::test::g_allocations.load(), before);
}

// Nine cards, two left each, seat 1 to play 7C or KS on the seven of coins
// and a five; the other sevens are with the other seats.
Position SevenOfCoinsOnTheTable() {
  Position p;
  p.rules = RulesOf(RulesFor(Variant::Nine, false));
  p.toPlay = 1;
  p.cardsPlayed = 28;
  const std::array<std::array<const char*, 2>, kSeats> hands = {
      {{"7S", "6C"}, {"7C", "KS"}, {"7H", "2C"}, {"3C", "4C"}}};
  CardSet placed = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    for (const char* code : hands[static_cast<std::size_t>(seat)]) {
      p.hands[seat][p.handCount[seat]++] = static_cast<std::int8_t>(test::Card(code));
      placed |= Bit(test::Card(code));
    }
  }
  for (const char* code : {"7D", "5C"}) {
    p.table[p.tableCount++] = static_cast<std::int8_t>(test::Card(code));
    placed |= Bit(test::Card(code));
  }
  int next = 0;
  for (CardSet rest = Facts().inPlay & ~placed; rest != 0; rest &= rest - 1) {
    p.taken[static_cast<std::size_t>(next++ % 2)] |= Bit(Lowest(rest));
  }
  return p;
}

TEST(Judgement, TakingTheSevenOfCoinsIsBestAndLeavingItSaysSo) {
  const Position p = SevenOfCoinsOnTheTable();
  Judge judge;
  const std::vector<PlayJudgement>& judged = judge.Weigh(p, 3);
  ASSERT_EQ(judged.size(), 2u);
  EXPECT_EQ(KeyOf(p, judged[0].move), PlayKey(test::Card("7C"), Bit(test::Card("7D"))));
  EXPECT_EQ(judged[0].reason, Reason::TakesSevenOfCoins);
  EXPECT_GT(judged[1].givenUp, 0.5);
  EXPECT_EQ(judged[1].reason, Reason::LeavesSevenOfCoins);
}

}  // namespace
}  // namespace verlano::engine
