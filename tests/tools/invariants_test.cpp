// The simulator's checks must catch what they are there for: a card lost or
// doubled, a count out of step with its pile, a result at odds with the totals.

#include "sim/invariants.h"

#include <gtest/gtest.h>

#include <functional>

#include "rules/game.h"

namespace verlano::sim {
namespace {

TEST(Invariants, FrameChecksCatchLostAndDoubledCardsAndStaleCounts) {
  const struct {
    const char* fault;
    std::function<void(Game&)> apply;
    const char* says;
  } rows[] = {
      {"none", [](Game&) {}, ""},
      {"a card doubled onto the table",
       [](Game& g) {
         g.piles.TablePile[0].Card = g.piles.Deck[g.piles.DeckTop].Card;
         g.piles.TablePile[0].Present = true;
         g.piles.TableCards[0] = g.piles.TablePile[0].Card;
         g.piles.TableCount = g.piles.TableCardCount = 1;
       },
       "both in"},
      {"a card lost", [](Game& g) { g.piles.DeckTop += 1; }, "39 cards"},
      {"a hand count out of step", [](Game& g) { g.piles.HandCount[2] = 1; }, "seat 2"},
      {"a side's list out of step", [](Game& g) { g.piles.Our.CardCount = 1; }, "side"},
  };
  for (const auto& r : rows) {
    Game g(Options{.variant = Variant::Romane}, 5);
    DealHand(g);
    r.apply(g);
    const std::string problem = CheckFrame(g);
    if (*r.says == '\0') {
      EXPECT_EQ(problem, "") << r.fault;
    } else {
      EXPECT_NE(problem.find(r.says), std::string::npos) << r.fault << ": " << problem;
    }
  }
}

TEST(Invariants, MatchChecksHoldTheResultToTheTotals) {
  const struct {
    int ours, theirs;
    bool over;
    const char* text;
    bool ok;
  } rows[] = {
      {41, 30, true, "We Won!", true},   {30, 41, true, "We lost!", true},
      {41, 30, true, "We lost!", false}, {35, 30, true, "We Won!", false},
      {35, 30, false, "", true},         {45, 30, false, "", false},
  };
  for (const auto& r : rows) {
    Game g(Options{.variant = Variant::Romane}, 5);
    SetMatchTarget(g);
    g.match.OurMatchTotal = r.ours;
    g.match.TheirMatchTotal = r.theirs;
    g.match.MatchOver = r.over;
    g.match.MatchResultText = r.text;
    EXPECT_EQ(CheckMatchEnd(g).empty(), r.ok) << r.ours << "/" << r.theirs << " " << r.text;
  }
}

}  // namespace
}  // namespace verlano::sim
