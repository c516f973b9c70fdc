// The computer player's decision time: a typical mid-hand position, and the
// worst tables a hand can meet, where a king has over a thousand captures.

#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

#include "ai/choose.h"
#include "rules/game.h"

namespace verlano {
namespace {

constexpr int kSeat = 1;

void SetPosition(Game& game, const std::vector<std::string_view>& hand,
                 const std::vector<std::string_view>& table) {
  Piles& piles = game.piles;
  for (std::string_view code : hand) {
    piles.HandCards[kSeat][piles.HandCount[kSeat]++] = CardFromCode(game.cards, code);
  }
  for (std::string_view code : table) {
    const int card = CardFromCode(game.cards, code);
    piles.TablePile[piles.TableCount++].Card = card;
    if (piles.TableCount <= kTableCardEntries) piles.TableCards[piles.TableCount - 1] = card;
    NoteCardPlayed(game.memory, game.cards, card);
  }
  piles.TableCardCount = piles.TableCount;
}

void RunChoice(benchmark::State& state, Game& game) {
  for (auto _ : state) benchmark::DoNotOptimize(ChooseComputerCard(game, kSeat).HandPosition);
}

// Five cards left in a nine-card hand; four on the table, two taken earlier.
void BM_ChooseMidHand(benchmark::State& state) {
  Game game(Options{}, 1);
  SetPosition(game, {"7S", "KC", "3D", "QH", "5C"}, {"7D", "3H", "4S", "AC"});
  SidePiles& ours = game.piles.Our;
  for (std::string_view code : {"2C", "2D"}) {
    ours.Pile[ours.PileCount++].Card = CardFromCode(game.cards, code);
  }
  RunChoice(state, game);
}
BENCHMARK(BM_ChooseMidHand);

// As many table cards as the table's card list holds (31), chosen for the most
// sums of ten: every card from ace to seven and three jacks; the hand holds
// what is left: four kings, four queens, a jack.
void BM_ChooseWorstTable(benchmark::State& state) {
  Game game(Options{}, 1);
  std::vector<std::string_view> table;
  for (std::string_view code : {"AC", "AD", "AH", "AS", "2C", "2D", "2H", "2S", "3C", "3D", "3H",
                                "3S", "4C", "4D", "4H", "4S", "5C", "5D", "5H", "5S", "6C", "6D",
                                "6H", "6S", "7C", "7D", "7H", "7S", "JC", "JD", "JH"}) {
    table.push_back(code);
  }
  SetPosition(game, {"KC", "KD", "KH", "KS", "QC", "QD", "QH", "QS", "JS"}, table);
  RunChoice(state, game);
}
BENCHMARK(BM_ChooseWorstTable);

// Every table pile entry filled (36): all cards below the king, four kings in hand.
void BM_ChooseFullTablePile(benchmark::State& state) {
  Game game(Options{}, 1);
  std::vector<std::string_view> table;
  for (std::string_view code :
       {"AC", "AD", "AH", "AS", "2C", "2D", "2H", "2S", "3C", "3D", "3H", "3S",
        "4C", "4D", "4H", "4S", "5C", "5D", "5H", "5S", "6C", "6D", "6H", "6S",
        "7C", "7D", "7H", "7S", "JC", "JD", "JH", "JS", "QC", "QD", "QH", "QS"}) {
    table.push_back(code);
  }
  SetPosition(game, {"KC", "KD", "KH", "KS"}, table);
  RunChoice(state, game);
}
BENCHMARK(BM_ChooseFullTablePile);

}  // namespace
}  // namespace verlano

BENCHMARK_MAIN();
