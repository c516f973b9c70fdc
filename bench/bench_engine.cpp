// The classic player's decision time on engine positions: a typical mid-hand
// position, and the worst tables a hand can meet, where a king has over a
// thousand captures; and a whole hand played out by it, the expert's playout.

#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

#include "engine/classic_policy.h"
#include "engine/deal_position.h"
#include "rules/cards.h"

namespace verlano::engine {
namespace {

constexpr int kSeat = 1;

int Card(std::string_view code) {
  static const CardTables tables = [] {
    CardTables built;
    BuildCardNames(built);
    return built;
  }();
  return CardFromCode(tables, code);
}

Position PositionOf(const std::vector<std::string_view>& hand,
                    const std::vector<std::string_view>& table,
                    const std::vector<std::string_view>& taken = {}) {
  Position p;
  p.rules = RulesOf(RulesFor(Variant::Nine, false));
  p.toPlay = kSeat;
  for (std::string_view code : hand) {
    p.hands[kSeat][p.handCount[kSeat]++] = static_cast<std::int8_t>(Card(code));
  }
  for (std::string_view code : table) {
    p.table[p.tableCount++] = static_cast<std::int8_t>(Card(code));
  }
  for (std::string_view code : taken) p.taken[0] |= Bit(Card(code));
  return p;
}

void RunChoice(benchmark::State& state, const Position& p) {
  for (auto _ : state) benchmark::DoNotOptimize(ClassicMove(p).move.handIndex);
}

// Five cards left in a nine-card hand; four on the table, two taken earlier.
void BM_ChooseMidHand(benchmark::State& state) {
  RunChoice(state,
            PositionOf({"7S", "KC", "3D", "QH", "5C"}, {"7D", "3H", "4S", "AC"}, {"2C", "2D"}));
}
BENCHMARK(BM_ChooseMidHand);

// As many table cards as the game's table card list holds (31), chosen for the
// most sums of ten: every card from ace to seven and three jacks; the hand
// holds what is left: four kings, four queens, a jack.
void BM_ChooseWorstTable(benchmark::State& state) {
  RunChoice(state, PositionOf({"KC", "KD", "KH", "KS", "QC", "QD", "QH", "QS", "JS"},
                              {"AC", "AD", "AH", "AS", "2C", "2D", "2H", "2S", "3C", "3D", "3H",
                               "3S", "4C", "4D", "4H", "4S", "5C", "5D", "5H", "5S", "6C", "6D",
                               "6H", "6S", "7C", "7D", "7H", "7S", "JC", "JD", "JH"}));
}
BENCHMARK(BM_ChooseWorstTable);

// Every table pile entry filled (36): all cards below the king, four kings in hand.
void BM_ChooseFullTablePile(benchmark::State& state) {
  RunChoice(state,
            PositionOf({"KC", "KD", "KH", "KS"},
                       {"AC", "AD", "AH", "AS", "2C", "2D", "2H", "2S", "3C", "3D", "3H", "3S",
                        "4C", "4D", "4H", "4S", "5C", "5D", "5H", "5S", "6C", "6D", "6H", "6S",
                        "7C", "7D", "7H", "7S", "JC", "JD", "JH", "JS", "QC", "QD", "QH", "QS"}));
}
BENCHMARK(BM_ChooseFullTablePile);

// A nine-card hand dealt and played out by the classic player at every seat.
void BM_ClassicHand(benchmark::State& state) {
  const EngineRules rules = RulesOf(RulesFor(Variant::Nine, false));
  Random rng(1);
  for (auto _ : state) {
    Position p = DealPosition(rules, 0, rng);
    while (!p.HandOver()) ApplyMove(p, ClassicMove(p).move);
    benchmark::DoNotOptimize(p.taken);
  }
}
BENCHMARK(BM_ClassicHand);

}  // namespace
}  // namespace verlano::engine

BENCHMARK_MAIN();
