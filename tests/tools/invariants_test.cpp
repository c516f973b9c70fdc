// The simulator's checks must catch what they are there for: a card lost or
// doubled, a count out of step with its pile, a result at odds with the totals.

#include "sim/invariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <utility>

#include "game/flow_harness.h"
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

// The quick pass of CheckFrame must never clear a frame the full checks find
// faulty. Frames of real deals and plays (the human's turns passed over), each
// spoilt at random in one or two of the places the checks read and put back.
TEST(Invariants, QuickFrameCheckAgreesWithTheFullChecksOnSpoiltFrames) {
  using Rng = std::mt19937;
  auto pick = [](Rng& rng, int below) {
    return below <= 0 ? 0 : std::uniform_int_distribution<int>(0, below - 1)(rng);
  };
  auto step = [&](Rng& rng) { return pick(rng, 2) == 0 ? -1 : 1; };
  // Half the time any card of the pack (40 of the 52 in play, so often one
  // held elsewhere), else one the checks must refuse: out of play or of range.
  auto anyCard = [&](const Game& g, Rng& rng) {
    constexpr int kOutOfRange[] = {-1, 52, 63, 64, 1000};
    if (pick(rng, 2) == 0) return pick(rng, kCardIndexCount);
    if (pick(rng, 6) < 5) return kOutOfRange[pick(rng, 5)];
    int card = 0;
    while (InPlay(g.cards, card)) card = pick(rng, kCardIndexCount);
    return card;
  };
  using Spoil = std::function<void(Game&, Rng&)>;
  const Spoil spoils[] = {
      [&](Game& g, Rng& r) {
        g.piles.Deck[g.piles.DeckTop + pick(r, 40 - g.piles.DeckTop)].Card = anyCard(g, r);
      },
      [&](Game& g, Rng& r) { g.piles.DeckTop = std::max(0, g.piles.DeckTop + step(r)); },
      [&](Game& g, Rng&) {
        if (g.piles.DeckTop > 0) g.piles.Deck[g.piles.DeckTop - 1].Moving ^= true;
      },
      [&](Game& g, Rng& r) { g.piles.Hand[pick(r, 4)][pick(r, kHandEntries)].Present ^= true; },
      [&](Game& g, Rng& r) {
        g.piles.Hand[pick(r, 4)][pick(r, kHandEntries)].Card = anyCard(g, r);
      },
      [&](Game& g, Rng& r) { g.piles.HandCount[pick(r, 4)] += step(r); },
      [&](Game& g, Rng& r) {
        g.piles.HandCards[pick(r, 4)][pick(r, kHandEntries)] = anyCard(g, r);
      },
      [&](Game& g, Rng& r) {
        g.piles.TablePile[pick(r, g.piles.TableCount + 1)].Card = anyCard(g, r);
      },
      [&](Game& g, Rng& r) { g.piles.TablePile[pick(r, g.piles.TableCount + 1)].Present ^= true; },
      [&](Game& g, Rng& r) {
        g.piles.TableCount = std::clamp(g.piles.TableCount + step(r), 0, 30);
      },
      [&](Game& g, Rng& r) { g.piles.TableCardCount += step(r); },
      [&](Game& g, Rng& r) { g.piles.TableCards[pick(r, g.piles.TableCount + 1)] = anyCard(g, r); },
      [&](Game& g, Rng& r) {  // the same cards in another order: still sound
        const int n = g.piles.TableCount;
        std::swap(g.piles.TableCards[pick(r, n)], g.piles.TableCards[pick(r, n)]);
      },
      [&](Game& g, Rng& r) {
        SidePiles& side = pick(r, 2) == 0 ? g.piles.Our : g.piles.Their;
        side.PileCount = std::max(0, side.PileCount + step(r));
      },
      [&](Game& g, Rng& r) {
        SidePiles& side = pick(r, 2) == 0 ? g.piles.Our : g.piles.Their;
        side.SweepCount = std::clamp(side.SweepCount + step(r), 0, kUsableSweepMarks);
      },
      [&](Game& g, Rng& r) {
        (pick(r, 2) == 0 ? g.piles.Our : g.piles.Their).CardCount += step(r);
      },
      [&](Game& g, Rng& r) {
        SidePiles& side = pick(r, 2) == 0 ? g.piles.Our : g.piles.Their;
        side.Pile[pick(r, side.PileCount + 1)].Card = anyCard(g, r);
      },
      [&](Game& g, Rng&) { g.turn.GameState = static_cast<PlayState>(18); },
  };
  const int kinds = static_cast<int>(std::size(spoils));
  int trials = 0, faulty = 0;
  for (Variant variant : {Variant::Nine, Variant::Romane, Variant::Napoletane}) {
    test::FlowHarness h(Options{.variant = variant}, 21);
    Game& g = h.game;
    Rng rng(static_cast<unsigned>(variant) + 7);
    DealHand(g);
    for (int rounds = 0, frames = 0; rounds < 6; ++frames) {
      ASSERT_LT(frames, 20000) << "the play stalls in " << StateName(g.turn.GameState);
      ASSERT_EQ(CheckFrame(g), "") << "an unspoilt frame in " << StateName(g.turn.GameState);
      const Piles kept = g.piles;
      const PlayState state = g.turn.GameState;
      for (int t = 0; t < 4; ++t, ++trials) {
        for (int n = 1 + pick(rng, 2); n > 0; --n) spoils[pick(rng, kinds)](g, rng);
        const std::string full = CheckFrameInFull(g);
        ASSERT_EQ(CheckFrame(g), full) << "trial " << trials;
        faulty += full.empty() ? 0 : 1;
        g.piles = kept;
        g.turn.GameState = state;
      }
      if (g.turn.WaitingForHuman && !AnyCardMoving(g.piles)) {
        g.turn.WaitingForHuman = false;  // the human's turn passes; the computer seats play on
        ++rounds;
      }
      h.Step();
    }
  }
  // Both answers given often: the spoils are neither all caught nor all harmless.
  EXPECT_GT(faulty, trials / 2);
  EXPECT_LT(faulty, trials - trials / 20);
}

TEST(Invariants, MatchChecksHoldTheResultToTheTotals) {
  const struct {
    int ours, theirs;
    bool over;
    MatchResult result;
    bool ok;
  } rows[] = {
      {41, 30, true, MatchResult::Won, true},
      {30, 41, true, MatchResult::Lost, true},
      {41, 30, true, MatchResult::Lost, false},
      {35, 30, true, MatchResult::Won, false},
      {35, 30, false, MatchResult::None, true},
      {45, 30, false, MatchResult::None, false},
      {41, 41, true, MatchResult::TieOverTarget, false},
  };
  for (const auto& r : rows) {
    Game g(Options{.variant = Variant::Romane}, 5);
    SetMatchTarget(g);
    g.match.OurMatchTotal = r.ours;
    g.match.TheirMatchTotal = r.theirs;
    g.match.MatchOver = r.over;
    g.match.Result = r.result;
    EXPECT_EQ(CheckMatchEnd(g).empty(), r.ok) << r.ours << "/" << r.theirs;
  }
  // A match under way with another variant's target.
  Game g(Options{.variant = Variant::Romane}, 5);
  g.match.MatchTarget = 20;
  EXPECT_EQ(CheckMatchEnd(g), "the match's target 20 is not the variant's 40");
}

}  // namespace
}  // namespace verlano::sim
