// The hint H shows: the expert's play for the human, searched once per turn
// of the human and kept while the turn lasts (also through a sort of the
// hand), and asked for without touching the game's random streams.

#include "game/expert_hint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <utility>

#include "rules/game.h"
#include "rules/table_builder.h"

namespace verlano {
namespace {

// Mid-hand of Romane: three cards a seat, three on the table, the human to pick.
std::unique_ptr<Game> HumanToPick() {
  auto g = test::DealtGame(test::VariantOptions(Variant::Romane));
  const test::Codes hands[4] = {
      {"KD", "5C", "2S"}, {"3D", "4C", "6S"}, {"7D", "AS", "QC"}, {"JD", "6C", "AC"}};
  for (int seat = 0; seat < 4; ++seat) {
    int n = 0;
    for (std::string_view code : hands[seat]) {
      const int card = test::CardOf(*g, code);
      g->piles.Hand[seat][n] = CardSprite{.Card = card, .Present = true};
      g->piles.HandCards[seat][n++] = card;
    }
    g->piles.HandCount[seat] = n;
  }
  test::LayTable(*g, {"KS", "3C", "2D"}, "5D", 0);
  g->piles.TableCount -= 1;  // LayTable's played card: not on the table yet
  g->piles.CardsPlayed = 28;
  g->turn.WaitingForHuman = true;
  return g;
}

TEST(ExpertAdvice, SearchesOncePerTurnAndOnlyWhenAsked) {
  auto g = HumanToPick();
  const std::uint64_t searchSeed = g->searchSeed;
  const double nextDraw = Random(g->rng).Rnd();
  ExpertAdvice advice;
  EXPECT_EQ(advice.Follow(*g, false), nullptr);
  EXPECT_EQ(advice.Searches(), 0);
  const ExpertHint* hint = advice.Follow(*g, true);
  ASSERT_NE(hint, nullptr);
  const ExpertHint first = *hint;
  const auto& hand = g->piles.HandCards[0];
  EXPECT_NE(std::find(hand.begin(), hand.begin() + 3, first.HandCard), hand.begin() + 3);
  // Held on, released, sorted: the same hint, no new search.
  for (int frame = 0; frame < 5; ++frame) advice.Follow(*g, frame % 2 == 0);
  std::swap(g->piles.HandCards[0][0], g->piles.HandCards[0][2]);
  std::swap(g->piles.Hand[0][0], g->piles.Hand[0][2]);
  EXPECT_EQ(*advice.Follow(*g, true), first);
  EXPECT_EQ(advice.Searches(), 1);
  // The game's own streams are as they were.
  EXPECT_EQ(g->searchSeed, searchSeed);
  EXPECT_EQ(Random(g->rng).Rnd(), nextDraw);
  // The turn ends: the hint goes; the next turn searches afresh.
  g->turn.HumanPicked = true;
  EXPECT_EQ(advice.Follow(*g, true), nullptr);
  g->turn.HumanPicked = false;
  advice.Follow(*g, true);
  EXPECT_EQ(advice.Searches(), 2);
  g->piles.CardsPlayed += 4;  // a turn later, never seen ending
  advice.Follow(*g, true);
  EXPECT_EQ(advice.Searches(), 3);
}

TEST(ExpertAdvice, TheHintIsALegalPlayTheSameForTheSamePosition) {
  auto g = HumanToPick();
  const ExpertHint hint = *ExpertAdvice().Follow(*g, true);
  EXPECT_EQ(*ExpertAdvice().Follow(*g, true), hint);
  // The king of coins takes the king of swords: the one equal card.
  if (hint.HandCard == test::CardOf(*g, "KD")) {
    ASSERT_EQ(hint.Count, 1);
    EXPECT_EQ(hint.TableCards[0], test::CardOf(*g, "KS"));
  }
  // The five takes the three and the two.
  if (hint.HandCard == test::CardOf(*g, "5C")) {
    ASSERT_EQ(hint.Count, 2);
    EXPECT_EQ(std::minmax(hint.TableCards[0], hint.TableCards[1]),
              std::minmax(test::CardOf(*g, "3C"), test::CardOf(*g, "2D")));
  }
  if (hint.HandCard == test::CardOf(*g, "2S")) {
    EXPECT_EQ(hint.Count, 1);
    EXPECT_EQ(hint.TableCards[0], test::CardOf(*g, "2D"));
  }
}

// Polls the hint of a worker-thread search until it shows; the bound only
// stops a hang (a search ends within its work budget, far sooner).
const ExpertHint* Awaited(ExpertAdvice& advice, const Game& game) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < until) {
    if (const ExpertHint* hint = advice.Follow(game, true)) return hint;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return nullptr;
}

// At the table the search runs beside the frames: the asking frame gets no
// hint, a later one gets the same hint the waiting search finds; a search
// overtaken by the turn's end gives nothing to the next turn.
TEST(ExpertAdvice, OnTheWorkerTheSameHintComesLaterAndOnlyToItsTurn) {
  auto g = HumanToPick();
  const ExpertHint waited = *ExpertAdvice().Follow(*g, true);
  ExpertAdvice beside(false);
  const ExpertHint* hint = Awaited(beside, *g);
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(*hint, waited);
  EXPECT_EQ(beside.Searches(), 1);

  ExpertAdvice overtaken(false);
  overtaken.Follow(*g, true);
  g->piles.CardsPlayed += 4;  // the next turn of the human, with the search maybe still running
  const ExpertHint* next = Awaited(overtaken, *g);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(overtaken.Searches(), 2);
}

}  // namespace
}  // namespace verlano
