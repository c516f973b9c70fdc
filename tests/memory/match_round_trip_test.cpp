// A whole game written to a match file and read into a fresh one comes back
// member for member. Each struct's members are counted (an aggregate takes
// as many initialisers as it has members) and must be as many as the keys
// and lines the file keeps it with, so a member added to a struct but not to
// its Visit function (game_fields.h) fails here.

#include <gtest/gtest.h>

#include <cstring>

#include "memory/game_fields.h"
#include "memory/match_file.h"
#include "memory/quiet_game.h"

namespace verlano {
namespace {

struct AnyMember {
  template <typename T>
  operator T() const;  // never called: only asks whether a member takes it
};

template <typename T, typename... Taken>
constexpr int MemberCount() {
  if constexpr (requires { T{Taken{}..., AnyMember{}}; }) {
    return MemberCount<T, Taken..., AnyMember>();
  } else {
    return sizeof...(Taken);
  }
}

// Counts the keys a Visit function writes.
struct KeyCounter {
  int keys = 0;
  template <typename... A>
  void Int(A&&...) {
    ++keys;
  }
  template <typename... A>
  void IntIfPresent(A&&...) {
    ++keys;
  }
  template <typename... A>
  void Unsigned(A&&...) {
    ++keys;
  }
  template <typename... A>
  void Real(A&&...) {
    ++keys;
  }
  template <typename... A>
  void Flag(A&&...) {
    ++keys;
  }
  template <typename... A>
  void FlagIfPresent(A&&...) {
    ++keys;
  }
  template <typename... A>
  void Card(A&&...) {
    ++keys;
  }
  template <typename... A>
  void CardOrNone(A&&...) {
    ++keys;
  }
  template <typename... A>
  void State(A&&...) {
    ++keys;
  }
  template <typename... A>
  void Ints(A&&...) {
    ++keys;
  }
  template <typename... A>
  void Cards(A&&...) {
    ++keys;
  }
};

template <typename Visit>
int Keys(Visit visit) {
  KeyCounter counter;
  visit(counter);
  return counter.keys;
}

// The game's members, in its order: how each comes back is said beside it.
struct GameMembers {
  Settings settings;         // made from the options line
  Layout layout;             // made from the options line
  CardTables cards;          // built by every game alike
  CardMemory memory;         // "memory"
  Piles piles;               // "piles", "seat.N", "table", "we", "they" and a line a sprite
  DealState deal;            // "deal"
  CaptureState capture;      // "capture"
  HandScore score;           // "score-we", "score-they"
  MatchState match;          // "match" (a tie is its flag), and a result on the "random" line
  TurnState turn;            // "turn"
  PlayLog playLog;           // not kept: a continued match's story starts where it was kept
  Random rng;                // "random": seed and draws
  std::uint64_t searchSeed;  // "random"
  SoundOut* sound;           // the run's own
  SeatSearch* search;        // the run's own
};
static_assert(sizeof(Game) == sizeof(GameMembers), "a new member of Game: say here how it is kept");

TEST(MatchRoundTrip, EveryMemberOfEveryStructHasItsKey) {
  CardSprite sprite;
  SweepMark mark;
  TableSlot slot;
  LastCapture last;
  SidePiles side;
  Piles piles;
  DealState deal;
  CaptureState capture;
  SideScore score;
  MatchState match;
  TurnState turn;
  CardMemory memory;
  PlayLine line;
  EXPECT_EQ(Keys([&](auto& v) { VisitSprite(v, sprite); }), MemberCount<CardSprite>());
  // The captured cards are keys of the story's line.
  EXPECT_EQ(Keys([&](auto& v) { VisitPlayLine(v, line); }),
            MemberCount<PlayLine>() - 1 + MemberCount<LastCapture>());
  EXPECT_EQ(Keys([&](auto& v) { VisitSweepMark(v, mark); }), MemberCount<SweepMark>());
  EXPECT_EQ(Keys([&](auto& v) { VisitTableSlot(v, slot); }), MemberCount<TableSlot>());
  EXPECT_EQ(Keys([&](auto& v) { VisitLastCapture(v, last); }), MemberCount<LastCapture>());
  // The pile's sprites, the sweep marks and the last capture have lines of their own.
  EXPECT_EQ(Keys([&](auto& v) { VisitSide(v, side); }) + 3, MemberCount<SidePiles>());
  // The hands' counts and cards are the seat lines; the deck, the hands, the
  // table and its places have a line an entry; the sides have lines of their own.
  EXPECT_EQ(Keys([&](auto& v) { VisitPileCounts(v, piles); }) +
                Keys([&](auto& v) { VisitSeat(v, piles, 0); }) +
                Keys([&](auto& v) { VisitTableCards(v, piles); }) + 4 + 2,
            MemberCount<Piles>());
  EXPECT_EQ(Keys([&](auto& v) { VisitDeal(v, deal); }), MemberCount<DealState>());
  // The choice's members are keys of the capture line.
  EXPECT_EQ(Keys([&](auto& v) { VisitCapture(v, capture); }),
            MemberCount<CaptureState>() - 1 + MemberCount<CaptureChoice>());
  EXPECT_EQ(Keys([&](auto& v) { VisitSideScore(v, score); }), MemberCount<SideScore>());
  EXPECT_EQ(MemberCount<HandScore>(), 2);
  // The result is the tie's flag here (and a word of the "random" line); the
  // tally's members are keys of the match line.
  EXPECT_EQ(Keys([&](auto& v) { VisitTally(v, match.Tally); }), MemberCount<MatchTally>());
  EXPECT_EQ(Keys([&](auto& v) { VisitMatch(v, match); }),
            MemberCount<MatchState>() - 1 + MemberCount<MatchTally>());
  EXPECT_EQ(Keys([&](auto& v) { VisitTurn(v, turn); }), MemberCount<TurnState>());
  EXPECT_EQ(Keys([&](auto& v) { VisitMemory(v, memory); }), MemberCount<CardMemory>());
}

// Kept at the human's first turn, in two variants, decks and levels.
TEST(MatchRoundTrip, AGameComesBackMemberForMember) {
  Options royal;
  royal.variant = Variant::UmbriaMarche;
  royal.deck = DeckChoice::Royal;
  royal.partner = PlayerLevel::Expert;
  for (const Options& options : {Options{}, royal}) {
    Game kept(options, 7);
    test::PlayToQuietMoment(kept);
    const std::string text = WriteMatch(kept);
    Game back(MatchOptions(text), 0);
    ReadMatch(text, back);
    EXPECT_EQ(WriteMatch(back), text);
    EXPECT_EQ(back.settings.DeckName, kept.settings.DeckName);
    EXPECT_EQ(back.settings.Rules.Choice, kept.settings.Rules.Choice);
    EXPECT_EQ(back.settings.PartnerLevel, kept.settings.PartnerLevel);
    EXPECT_EQ(back.settings.OpponentsLevel, kept.settings.OpponentsLevel);
    EXPECT_EQ(back.settings.Animation, kept.settings.Animation);
    EXPECT_EQ(std::memcmp(&back.layout, &kept.layout, sizeof(Layout)), 0);
    EXPECT_EQ(back.rng.Seed(), kept.rng.Seed());
    EXPECT_EQ(back.rng.Draws(), kept.rng.Draws());
    EXPECT_EQ(back.rng.Rnd(), kept.rng.Rnd());
    EXPECT_EQ(back.searchSeed, kept.searchSeed);
    EXPECT_EQ(back.match.Result, kept.match.Result);
    for (const SidePiles* side : {&kept.piles.Our, &kept.piles.Their}) {
      const LastCapture& got =
          side == &kept.piles.Our ? back.piles.Our.Last : back.piles.Their.Last;
      EXPECT_EQ(got.Taker, side->Last.Taker);
      EXPECT_EQ(got.TakenCount, side->Last.TakenCount);
      EXPECT_EQ(got.Taken, side->Last.Taken);
    }
    ASSERT_GT(kept.playLog.Count, 0);
    EXPECT_EQ(back.playLog.Count, kept.playLog.Count);
    for (int k = 0; k < LoggedPlays(kept.playLog); ++k) {
      const PlayLine& got = PlayFromNewest(back.playLog, k);
      const PlayLine& want = PlayFromNewest(kept.playLog, k);
      EXPECT_EQ(got.Seat, want.Seat);
      EXPECT_EQ(got.Cards.Taker, want.Cards.Taker);
      EXPECT_EQ(got.Cards.Taken, want.Cards.Taken);
      EXPECT_EQ(got.Sweep, want.Sweep);
    }
  }
}

}  // namespace
}  // namespace verlano
