// The course of a hand through the play state machine: the deal's shape in each
// variant, the timed pauses, a capture by the opponents from landing to pile,
// sweeps, each side's last capture, the end of a hand, the hand sort, and
// expert seats searching off the steps.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "flow_harness.h"
#include "game/seat_search.h"
#include "game/state_machine.h"
#include "game/table_bookkeeping.h"
#include "game/turn_pause.h"
#include "rules/flight.h"
#include "rules/table_builder.h"

namespace verlano {
namespace {

using test::CardOf;
using test::FlowHarness;

bool Idle(const Game& g, PlayState s) {
  return g.turn.GameState == s && !AnyCardMoving(g.piles);
}

// Gives a computer seat the cards (face down at its hand places).
void GiveHand(Game& g, int seat, test::Codes codes) {
  int n = 0;
  for (std::string_view code : codes) {
    CardSprite& s = g.piles.Hand[seat][n];
    s = CardSprite{};
    s.Card = CardOf(g, code);
    s.Present = true;
    s.X = static_cast<float>(s.HomeX = 610 + 6 * n);
    s.Y = static_cast<float>(s.HomeY = 420);
    g.piles.HandCards[seat][n++] = s.Card;
  }
  g.piles.HandCount[seat] = n;
}

// Lays the table cards at the first table places, face up and at rest.
void LayRestingTable(Game& g, test::Codes codes) {
  SetUpHandLayout(g);
  Piles& p = g.piles;
  p.TableCount = p.TableCardCount = 0;
  for (std::string_view code : codes) {
    CardSprite& s = p.TablePile[p.TableCount];
    s.Card = CardOf(g, code);
    s.Present = s.FaceUp = true;
    s.Moving = s.ToCapture = s.Chosen = false;
    s.Width = g.layout.CardWidth;
    s.Height = kCardHeight;
    s.Slot = LowestFreeSlot(p);
    p.TableSlots[s.Slot].Occupied = true;
    s.X = static_cast<float>(p.TableSlots[s.Slot].SlotX);
    s.Y = static_cast<float>(p.TableSlots[s.Slot].SlotY);
    p.TableCards[p.TableCardCount++] = s.Card;
    ++p.TableCount;
  }
}

// The turn passes next to `seat`, which plays at once.
void ReadyForSeat(Game& g, int seat, int cardsPlayed) {
  g.turn.GameState = PlayState::NormalPlay;
  g.turn.CurrentSeat = seat - 1;
  g.turn.WaitingForHuman = false;
  g.turn.HumanPlayed = false;
  g.piles.CardsPlayed = cardsPlayed;
}

struct DealCase {
  Variant variant;
  int handCards;
  int tableCards;
  std::vector<PlayState> course;
};

class DealShape : public ::testing::TestWithParam<DealCase> {};

TEST_P(DealShape, DealsPacketsRevealsTheTableAndHandsTheLeadToTheFirstSeatServed) {
  const DealCase& c = GetParam();
  FlowHarness h(test::VariantOptions(c.variant));
  DealHand(h.game);
  const int leader = h.game.deal.DealOrder[0];
  std::vector<std::uint64_t> revealedAt;
  ASSERT_TRUE(h.StepUntil([&] {
    const auto& t = h.game.piles.TablePile;
    for (int i = static_cast<int>(revealedAt.size()); i < h.game.piles.TableCount && t[i].FaceUp;
         ++i) {
      if (h.game.turn.GameState != PlayState::DealingCards &&
          h.game.turn.GameState != PlayState::DealingToTable) {
        revealedAt.push_back(h.clock);
      }
    }
    return Idle(h.game, PlayState::NormalPlay);
  }));
  EXPECT_EQ(h.StatesWithoutPauses(), c.course);
  for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(h.game.piles.HandCount[seat], c.handCards);
  EXPECT_EQ(h.game.piles.TableCount, c.tableCards);
  ASSERT_EQ(static_cast<int>(revealedAt.size()), c.tableCards);
  for (std::size_t i = 1; i < revealedAt.size(); ++i) {
    // 700 ms apart, to the frame.
    EXPECT_GT(revealedAt[i] - revealedAt[i - 1], 700u);
    EXPECT_LE(revealedAt[i] - revealedAt[i - 1], 700u + 3 * 16);
  }
  EXPECT_EQ(h.game.turn.CurrentSeat, (leader + 3) % 4);
  h.Step();  // the first turn goes to the seat served first
  EXPECT_EQ(h.game.turn.CurrentSeat, leader);
  EXPECT_EQ(h.game.turn.WaitingForHuman, leader == 0);
}

const PlayState kNineCourse[] = {
    PlayState::DealingCards, PlayState::DealingToTable,      PlayState::DealingCards, PlayState::DealingToTable,
    PlayState::DealingCards, PlayState::RevealingTable, PlayState::NormalPlay};

INSTANTIATE_TEST_SUITE_P(
    Variants, DealShape,
    ::testing::Values(
        DealCase{Variant::Nine, 9, 4, {std::begin(kNineCourse), std::end(kNineCourse)}},
        DealCase{Variant::Romane, 10, 0, {PlayState::DealingCards, PlayState::NormalPlay}},
        DealCase{Variant::UmbriaMarche, 10, 0, {PlayState::DealingCards, PlayState::NormalPlay}}));

TEST(Pause, EndsAfterItsLengthAtAnyClockReading) {
  constexpr std::uint64_t kTop = std::numeric_limits<std::uint64_t>::max();
  const struct {
    std::uint64_t start, now;
    bool ended;
  } rows[] = {
      {1000, 1700, false},
      {1000, 1701, true},
      {kTop - 100, kTop - 100 + 700, false},  // the clock has not wrapped yet
      {kTop - 100, 599, false},               // wrapped: 699 ms have passed
      {kTop - 100, 600, true},                // wrapped: 701 ms have passed
  };
  for (const auto& r : rows) {
    Game g(Options{}, 1);
    g.turn.GameState = PlayState::RevealingTable;
    g.turn.TickNow = r.start;
    StartPause(g, 700);
    StepGameState(g, r.now);
    EXPECT_EQ(g.turn.GameState == PlayState::RevealingTable, r.ended) << r.start << " " << r.now;
    EXPECT_EQ(g.turn.PauseJustEnded, r.ended);
  }
}

TEST(Pause, TheQuietFramesCountedAheadAreExactlyThoseBeforeItsEnd) {
  constexpr std::uint64_t kTop = std::numeric_limits<std::uint64_t>::max();
  const struct {
    std::uint64_t start, next;
    std::uint64_t quiet;
  } rows[] = {
      {1000, 1000, 44},     // 0, 16, ... 688 ms: 44 frames; 704 ms ends it
      {1000, 1700, 1},      // exactly 700 ms: still paused
      {1000, 1701, 0},      // over: this frame ends it
      {kTop - 100, 4, 38},  // across the wrap of the clock
      {1000, 1000 + 16 * 43, 1},
  };
  for (const auto& r : rows) {
    Game g(Options{}, 1);
    g.turn.GameState = PlayState::RevealingTable;
    g.turn.TickNow = r.start;
    StartPause(g, 700);
    EXPECT_EQ(QuietPauseFrames(g, r.next, 16), r.quiet) << r.start << " " << r.next;
    // Stepping frame by frame agrees: the counted frames change nothing.
    for (std::uint64_t f = 0; f <= r.quiet; ++f) {
      StepGameState(g, r.next + 16 * f);
      EXPECT_EQ(g.turn.GameState == PlayState::Paused, f < r.quiet) << r.start << " frame " << f;
    }
  }
  Game notPaused(Options{}, 1);
  EXPECT_EQ(QuietPauseFrames(notPaused, 5000, 16), 0u);
}

TEST(Landing, PausesUnlessAPauseHasJustEnded) {
  for (const bool justEnded : {false, true}) {
    Game g(test::VariantOptions(Variant::Romane), 1);
    LayRestingTable(g, {"KD"});
    GiveHand(g, 1, {"2C", "3C"});
    ReadyForSeat(g, 1, 5);
    g.turn.CurrentSeat = 1;
    g.turn.PauseJustEnded = justEnded;
    CardSprite& card = g.piles.Hand[1][0];
    StartFlight(card, card.X, card.Y, 1);  // already at its target
    ASSERT_TRUE(CardArrived(g, card));
    EXPECT_EQ(g.piles.TableCount, 2);
    EXPECT_EQ(g.turn.GameState, justEnded ? PlayState::NormalPlay : PlayState::Paused);
    if (!justEnded) {
      EXPECT_EQ(g.turn.ResumeState, PlayState::NormalPlay);
    }
    EXPECT_EQ(g.piles.HandCount[1], 1);  // the card list no longer holds the played card
    EXPECT_EQ(g.piles.HandCards[1][0], CardOf(g, "3C"));
  }
}

TEST(OpponentCapture, LandsPausesGathersFliesToTheirPileAndPlayGoesOnAtOnce) {
  FlowHarness h(test::VariantOptions(Variant::Romane));
  Game& g = h.game;
  LayRestingTable(g, {"5D", "KS"});
  GiveHand(g, 1, {"5C"});
  ReadyForSeat(g, 1, 5);
  std::uint64_t pausedAt = 0, gatheringAt = 0;
  ASSERT_TRUE(h.StepUntil([&] {
    if (g.turn.GameState == PlayState::Paused && pausedAt == 0) pausedAt = h.clock;
    if (g.turn.GameState == PlayState::TheyGatherCapture && gatheringAt == 0) {
      gatheringAt = h.clock;
    }
    return g.piles.Their.PileCount > 0;
  }));
  const std::vector<PlayState> course = {PlayState::NormalPlay, PlayState::Paused,
                                         PlayState::TheyGatherCapture,
                                         PlayState::TheyTakeCapture, PlayState::NormalPlay};
  EXPECT_EQ(h.states, course);
  EXPECT_GE(gatheringAt - pausedAt, 700u);
  EXPECT_EQ(g.piles.Their.PileCount, 2);
  EXPECT_EQ(g.piles.Their.CardCount, 2);
  for (int i = 0; i < 2; ++i) {
    // Pile spot plus an offset of 0..7 pixels, within the arrival tolerance.
    EXPECT_NEAR(g.piles.Their.Pile[i].X, 639, 12);
    EXPECT_NEAR(g.piles.Their.Pile[i].Y, 244, 12);
    EXPECT_FALSE(g.piles.Their.Pile[i].FaceUp);
  }
  ASSERT_EQ(g.piles.TableCount, 1);
  EXPECT_EQ(g.piles.TablePile[0].Card, CardOf(g, "KS"));
  EXPECT_EQ(g.capture.LastCapturer, 1);
  EXPECT_EQ(g.turn.GameState, PlayState::NormalPlay);
}

TEST(Sweep, TheSweepingCardRestsFaceUpOnTheFirstMarkAndCountsButIsNotInThePile) {
  FlowHarness h(test::VariantOptions(Variant::Romane));
  Game& g = h.game;
  LayRestingTable(g, {"3D", "4S"});
  GiveHand(g, 1, {"7C"});
  ReadyForSeat(g, 1, 5);
  ASSERT_TRUE(h.StepUntil([&] { return g.piles.Their.SweepCount > 0; }));
  const SweepMark& mark = g.piles.Their.Sweeps[0];
  EXPECT_TRUE(mark.Shown);
  EXPECT_EQ(mark.Card, CardOf(g, "7C"));
  EXPECT_LE(std::fabs(mark.X - 635), 8.0f);
  EXPECT_LE(std::fabs(mark.Y - 200), 8.0f);
  EXPECT_EQ(g.piles.Their.CardCount, 3);
  EXPECT_EQ(g.piles.Their.PileCount, 2);
  for (int i = 0; i < 2; ++i) EXPECT_NE(g.piles.Their.Pile[i].Card, CardOf(g, "7C"));
  EXPECT_EQ(g.score.They.Sweeps, 1);
  EXPECT_EQ(g.piles.TableCount, 0);
  EXPECT_EQ(g.turn.GameState, PlayState::NormalPlay);
}

// The cards of a side's last capture, the card that took first, the taken
// ones in card order.
std::vector<int> LastCaptureOf(const SidePiles& side) {
  const LastCapture& last = side.Last;
  std::vector<int> cards(last.Taken.begin(), last.Taken.begin() + last.TakenCount);
  std::sort(cards.begin(), cards.end());
  cards.insert(cards.begin(), last.Taker);
  return cards;
}

TEST(LastCapture, EachSideKeepsItsLatestCaptureUntilTheNextDeal) {
  FlowHarness h(test::VariantOptions(Variant::Romane));
  Game& g = h.game;
  const auto cards = [&g](test::Codes codes) {
    std::vector<int> out;
    for (std::string_view code : codes) out.push_back(CardOf(g, code));
    std::sort(out.begin() + 1, out.end());
    return out;
  };
  LayRestingTable(g, {"5D", "KS", "3C", "2S"});
  GiveHand(g, 1, {"5C"});
  GiveHand(g, 2, {"KC"});
  GiveHand(g, 3, {"5S"});
  ReadyForSeat(g, 1, 5);
  ASSERT_TRUE(
      h.StepUntil([&] { return g.piles.Their.PileCount > 0 && Idle(g, PlayState::NormalPlay); }));
  EXPECT_EQ(LastCaptureOf(g.piles.Their), cards({"5C", "5D"})) << "an equal card";
  EXPECT_EQ(g.piles.Our.Last.Taker, -1);
  // The partner's king takes the king; seat 3's five then sweeps three and two.
  ASSERT_TRUE(
      h.StepUntil([&] { return g.piles.Their.SweepCount > 0 && Idle(g, PlayState::NormalPlay); }));
  EXPECT_EQ(LastCaptureOf(g.piles.Our), cards({"KC", "KS"}));
  EXPECT_EQ(LastCaptureOf(g.piles.Their), cards({"5S", "3C", "2S"})) << "a sweep";
  g.turn.GameState = PlayState::HandOver;  // the next deal starts from the score page
  DealHand(g);
  EXPECT_EQ(g.piles.Our.Last.Taker, -1);
  EXPECT_EQ(g.piles.Their.Last.Taker, -1);
}

TEST(HandEnd, TheRemainderGoesToTheSideThatCapturedLast) {
  const struct {
    int lastCapturer;
    PlayState remainder;
  } rows[] = {{0, PlayState::WeTakeRemainder},
              {1, PlayState::TheyTakeRemainder},
              {2, PlayState::WeTakeRemainder},
              {3, PlayState::TheyTakeRemainder}};
  for (const auto& r : rows) {
    FlowHarness h(test::VariantOptions(Variant::Romane));
    Game& g = h.game;
    LayRestingTable(g, {"KD", "QS"});
    GiveHand(g, 3, {"2C"});
    ReadyForSeat(g, 3, 39);
    g.capture.LastCapturer = r.lastCapturer;
    ASSERT_TRUE(h.StepUntil([&] { return g.turn.GameState == PlayState::HandOver; }));
    const std::vector<PlayState> course = {PlayState::NormalPlay, PlayState::Paused, r.remainder,
                                           PlayState::HandOver};
    EXPECT_EQ(h.states, course) << r.lastCapturer;
    const bool ours = r.remainder == PlayState::WeTakeRemainder;
    EXPECT_EQ((ours ? g.piles.Our : g.piles.Their).CardCount, 3);
    EXPECT_EQ(g.piles.TableCount, 0);
    EXPECT_EQ(g.match.HistoryCount, 1);  // the hand's score went to the match
    // The remainder is nobody's capture.
    EXPECT_EQ(g.piles.Our.Last.Taker, -1);
    EXPECT_EQ(g.piles.Their.Last.Taker, -1);
  }
}

TEST(HandEnd, AnEmptyTableEndsTheHandInTheSameStep) {
  Game g(test::VariantOptions(Variant::Romane), 1);
  g.turn.GameState = PlayState::WeTakeRemainder;
  g.piles.TableCount = g.piles.TableCardCount = 0;
  StepGameState(g, 5000);
  EXPECT_EQ(g.turn.GameState, PlayState::HandOver);
  EXPECT_EQ(g.match.HistoryCount, 1);
}

TEST(CompactTable, KeepsTheUntakenCardsInOrderOnTheirPlaces) {
  Game g(test::VariantOptions(Variant::Romane), 1);
  LayRestingTable(g, {"AC", "2C", "3C", "4C", "KD"});
  g.piles.TablePile[1].ToCapture = g.piles.TablePile[3].ToCapture = true;
  const int keptSlots[] = {g.piles.TablePile[0].Slot, g.piles.TablePile[2].Slot};
  CompactTable(g);
  ASSERT_EQ(g.piles.TableCount, 2);
  ASSERT_EQ(g.piles.TableCardCount, 2);
  EXPECT_EQ(g.piles.TablePile[0].Card, CardOf(g, "AC"));
  EXPECT_EQ(g.piles.TablePile[1].Card, CardOf(g, "3C"));
  EXPECT_EQ(g.piles.TableCards[1], CardOf(g, "3C"));
  int occupied = 0;
  for (const TableSlot& s : g.piles.TableSlots) occupied += s.Occupied;
  EXPECT_EQ(occupied, 2);
  for (int slot : keptSlots) EXPECT_TRUE(g.piles.TableSlots[slot].Occupied);
}

TEST(HandSort, SortsKingToAceAndPutsTheCardsBackWhereTheyWere) {
  FlowHarness h(test::VariantOptions(Variant::Romane));
  Game& g = h.game;
  DealHand(g);
  ASSERT_TRUE(h.StepUntil([&] { return Idle(g, PlayState::NormalPlay); }));
  float before[kHandEntries][2];
  for (int i = 0; i < kHandEntries; ++i) {
    before[i][0] = g.piles.Hand[0][i].X;
    before[i][1] = g.piles.Hand[0][i].Y;
  }
  g.turn.StateBeforeSort = PlayState::NormalPlay;
  g.turn.GameState = PlayState::SortGatherHand;
  h.states.clear();
  ASSERT_TRUE(h.StepUntil([&] { return Idle(g, PlayState::NormalPlay); }));
  const std::vector<PlayState> course = {PlayState::SortGatherHand,
                                         PlayState::SortSpreadHand, PlayState::NormalPlay};
  EXPECT_EQ(h.states, course);
  const auto& hand = g.piles.Hand[0];
  EXPECT_EQ(hand[0].X, before[0][0]);
  for (int i = 1; i < 10; ++i) {
    const int v0 = g.cards.CardValue[hand[i - 1].Card], v1 = g.cards.CardValue[hand[i].Card];
    EXPECT_TRUE(v0 > v1 ||
                (v0 == v1 && g.cards.CardSuit[hand[i - 1].Card] < g.cards.CardSuit[hand[i].Card]));
    EXPECT_LE(std::fabs(hand[i].X - before[i][0]), 8.0f) << i;
    EXPECT_LE(std::fabs(hand[i].Y - before[i][1]), 8.0f) << i;
    EXPECT_EQ(g.piles.HandCards[0][i], hand[i].Card);
  }
}

// The last two rounds of a hand, seat 1 to play: seats of every level but
// Classic deciding on a worker thread while the steps go on (and the next
// seat's search started at the play before it, also where the next seat's
// level is another) play exactly what they play when each search runs at
// once, in the step that asks.
TEST(SearchingSeats, OffTheStepsTheyPlayWhatTheyWouldChooseAtOnce) {
  struct Deal {
    test::Codes table, seat0, seat1, seat2, seat3;
    std::uint64_t seed;
    PlayerLevel opponents, partner;
  };
  const Deal deals[] = {
      {{"5D", "KS", "3C"}, {"2S"}, {"2C", "7D"}, {"QD", "4S"}, {"6C", "AD"}, 3,
       PlayerLevel::Expert, PlayerLevel::Expert},
      {{"7C"}, {"6S"}, {"4D", "3S"}, {"7S", "KD"}, {"QC", "JS"}, 8, PlayerLevel::Beginner,
       PlayerLevel::Master},
      {{"AS", "2D", "4C", "6D"}, {"KC"}, {"6S", "JD"}, {"5C", "QS"}, {"7D", "3D"}, 21,
       PlayerLevel::Master, PlayerLevel::Strong},
      {{"AS", "2D", "4C", "6D"}, {"KC"}, {"6S", "JD"}, {"5C", "QS"}, {"7D", "3D"}, 5,
       PlayerLevel::Strong, PlayerLevel::Beginner},
  };
  for (const Deal& d : deals) {
    Options options = test::VariantOptions(Variant::Romane);
    options.opponents = d.opponents;
    options.partner = d.partner;
    FlowHarness atOnce(options, d.seed), offSteps(options, d.seed);
    SeatSearch search(false);
    offSteps.game.search = &search;
    for (FlowHarness* h : {&atOnce, &offSteps}) {
      Game& g = h->game;
      LayRestingTable(g, d.table);
      GiveHand(g, 0, d.seat0);
      GiveHand(g, 1, d.seat1);
      GiveHand(g, 2, d.seat2);
      GiveHand(g, 3, d.seat3);
      const int perHand = g.settings.Rules.CardsPerHand;
      ReadyForSeat(g, 1, 4 * perHand - 7);
      ASSERT_TRUE(h->StepUntil(
          [&] {
            return g.piles.CardsPlayed == 4 * perHand - 4 && g.turn.WaitingForHuman &&
                   Idle(g, PlayState::NormalPlay);
          },
          20000, &search));
    }
    const Piles& a = atOnce.game.piles;
    const Piles& b = offSteps.game.piles;
    ASSERT_EQ(a.TableCount, b.TableCount);
    for (int i = 0; i < a.TableCount; ++i) EXPECT_EQ(a.TablePile[i].Card, b.TablePile[i].Card);
    EXPECT_EQ(a.Our.CardCount, b.Our.CardCount);
    EXPECT_EQ(a.Their.CardCount, b.Their.CardCount);
    for (int seat = 1; seat < 4; ++seat) {
      ASSERT_EQ(a.HandCount[seat], 1);
      EXPECT_EQ(a.HandCards[seat][0], b.HandCards[seat][0]) << "seat " << seat;
    }
    EXPECT_EQ(search.Restarts(), 0);
    EXPECT_EQ(atOnce.game.searchSeed, offSteps.game.searchSeed);
  }
}

}  // namespace
}  // namespace verlano
