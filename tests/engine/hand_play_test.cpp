// Whole hands on the engine: the deal's shape, the cards kept whole through
// every play, and the rules at a hand's end (no sweep on the last play, the
// remainder to the side that captured last, to WE when nobody did).

#include <gtest/gtest.h>

#include "engine/card_facts.h"
#include "engine/classic_policy.h"
#include "engine/deal_position.h"
#include "engine/hand_score.h"
#include "rules/variant_rules.h"

namespace verlano::engine {
namespace {

CardSet AllCards(const Position& p) {
  CardSet all = p.PlayedSet();
  for (int seat = 0; seat < kSeats; ++seat) all |= p.HandSet(seat);
  return all;
}

TEST(HandPlay, RandomHandsKeepEveryCardAndEndAsTheRulesSay) {
  Random rng(5);
  std::vector<ScoredMove> moves;
  for (const VariantRules& record : AllVariantRules()) {
    const EngineRules rules = RulesOf(record);
    for (int hand = 0; hand < 200; ++hand) {
      const int leader = hand % kSeats;
      Position p = DealPosition(rules, leader, rng);
      ASSERT_EQ(AllCards(p), Facts().inPlay);
      ASSERT_EQ(p.tableCount, record.TableCardsAtDeal);
      for (int seat = 0; seat < kSeats; ++seat) ASSERT_EQ(p.handCount[seat], rules.cardsPerHand);
      ASSERT_EQ(p.toPlay, leader);
      bool captured = false;
      while (!p.HandOver()) {
        ClassicScores(p, MemoryOf(p), moves);
        const Move move = moves[static_cast<std::size_t>(rng.Below(std::ssize(moves)))].move;
        const Position before = p;
        ApplyMove(p, move);
        ASSERT_EQ(AllCards(p), Facts().inPlay);
        ASSERT_EQ(p.toPlay, (before.toPlay + 1) % kSeats);
        const bool takes = move.count > 0 && before.tableCount > 0;
        captured = captured || takes;
        const int sweeps = p.sweeps[0] + p.sweeps[1] - before.sweeps[0] - before.sweeps[1];
        const bool sweep = takes && move.count == before.tableCount && !p.HandOver();
        ASSERT_EQ(sweeps, sweep ? 1 : 0);
        if (!p.HandOver()) continue;
        // The last play: the table and the card go to the side that captured last, WE if none did.
        const int card = before.hands[before.toPlay][move.handIndex];
        const int side = SideOf(takes ? before.toPlay : captured ? before.lastCapturer : 0);
        const CardSet left = before.TableSet() | Bit(card);
        ASSERT_EQ(p.tableCount, 0);
        ASSERT_EQ(p.taken[side] & left, left);
      }
      const HandScore score = ScorePosition(p);
      ASSERT_GT(score.We.Total + score.They.Total, 0);
    }
  }
}

}  // namespace
}  // namespace verlano::engine
