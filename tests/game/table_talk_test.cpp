// What the table says: the turn mark's seat and the message line for the
// situations of a hand, the capture messages against every choice the human
// can make on one table, the cards hints light, the last captures laid open
// and when the table takes clicks.
#include "game/table_talk.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/expert_hint.h"
#include "render/last_capture_view.h"
#include "rules/game.h"
#include "rules/table_builder.h"

namespace verlano {
namespace {

using Situation = std::function<void(Game&)>;

std::unique_ptr<Game> Hand() {
  auto g = test::DealtGame(test::VariantOptions(Variant::Romane));
  g->turn.GameState = PlayState::NormalPlay;
  return g;
}

void HumanToPick(Game& g) {
  g.turn.WaitingForHuman = true;
  g.turn.CurrentSeat = 0;
}

// The card `seat` played has landed on `table`; the human has chosen `chosen`.
Situation Takes(std::vector<std::string_view> table, std::string_view played,
                std::vector<int> chosen, int seat = 0) {
  return [=](Game& g) {
    test::LayTable(g, table, played, seat);
    for (const int i : chosen) g.piles.TablePile[i].Chosen = true;
    g.turn.GameState = PlayState::WeGatherCapture;
  };
}

Situation PauseAfter(int seat, PlayState resume) {
  return [=](Game& g) {
    g.turn.CurrentSeat = seat;
    g.turn.GameState = PlayState::Paused;
    g.turn.ResumeState = resume;
  };
}

Situation Then(Situation first, std::function<void(Game&)> more) {
  return [=](Game& g) { first(g), more(g); };
}

TEST(TableTalk, MarkAndMessageOfEachSituation) {
  const std::string choose7 = "Pick the cards for your 7";
  const struct {
    const char* situation;
    Situation set;
    bool paused;
    int seat;
    std::string text;
  } rows[] = {
      {"the human to pick", HumanToPick, false, 0, "Your turn"},
      {"the human sorting the hand",
       Then(HumanToPick, [](Game& g) { g.turn.GameState = PlayState::SortGatherHand; }),
       false, 0, "Your turn"},
      {"the human's card in flight",
       Then(HumanToPick, [](Game& g) { g.turn.HumanPicked = g.piles.Hand[0][3].Moving = true; }),
       false, -1, ""},
      {"the pause before seat 2 plays", PauseAfter(1, PlayState::NormalPlay), false, 2, ""},
      {"the pause before the human's turn", PauseAfter(3, PlayState::NormalPlay), false, -1, ""},
      {"the pause before seat 1's capture", PauseAfter(1, PlayState::TheyGatherCapture),
       false, -1, ""},
      {"seat 3's card in flight",
       [](Game& g) { g.turn.CurrentSeat = 3, g.piles.Hand[3][2].Moving = true; }, false, 3, ""},
      {"the human to choose", Takes({"2C", "3S", "4D"}, "7C", {}), false, 0, choose7},
      {"a choice that can be completed", Takes({"2C", "3S", "4D"}, "7C", {1}), false, 0, choose7},
      {"a choice beside an equal card", Takes({"5D", "2C", "3S"}, "5C", {1}), false, 0,
       "Take the equal card: the 5"},
      {"a choice past the value", Takes({"4D", "6S", "3C"}, "7C", {0, 1}), false, 0,
       "These add up to 10, not 7"},
      {"a choice the cards left cannot complete", Takes({"2C", "3S", "6D"}, "7C", {0}), false, 0,
       "These add up to 2, not 7"},
      {"the human's capture gathering",
       Then(Takes({"3S", "4D"}, "7C", {}), [](Game& g) { g.capture.CaptureReady = true; }), false,
       -1, ""},
      {"the partner's capture", Takes({"3S", "4D"}, "7C", {}, 2), false, -1, ""},
      {"a hand's score page", [](Game& g) { g.turn.GameState = PlayState::HandOver; }, false, -1,
       "Click or Return: next hand"},
      {"the match's last score page",
       [](Game& g) { g.turn.GameState = PlayState::HandOver, g.match.MatchOver = true; }, false,
       -1, "Click or Return: next match"},
      {"P at the human's turn", HumanToPick, true, 0, "Paused: P to go on"},
      {"the human to pick with hints on",
       Then(HumanToPick, [](Game& g) { g.settings.ShowHints = true; }), false, 0,
       "Your turn: hold H for a hint"},
      {"the human to choose with hints on",
       Then(Takes({"2C", "3S", "4D"}, "7C", {}), [](Game& g) { g.settings.ShowHints = true; }),
       false, 0, choose7},
  };
  for (const auto& r : rows) {
    auto g = Hand();
    r.set(*g);
    const TableNotes notes = TableTalk(*g, TalkInput{.paused = r.paused});
    EXPECT_EQ(notes.MarkerSeat, r.seat) << r.situation;
    EXPECT_EQ(notes.Message, r.text) << r.situation;
  }
  // A turn brought back by U says so, hints or not, until its card waits for a capture.
  for (const bool hints : {false, true}) {
    auto g = Hand();
    HumanToPick(*g);
    g->settings.ShowHints = hints;
    EXPECT_EQ(TableTalk(*g, TalkInput{.takenBack = true}).Message, "Play taken back: your turn")
        << hints;
  }
  auto g = Hand();
  Takes({"2C", "3S", "4D"}, "7C", {})(*g);
  EXPECT_EQ(TableTalk(*g, TalkInput{.takenBack = true}).Message, choose7);
}

TEST(TableTalk, HintsLightTheLegalCapturesWhileChoosingAndTheExpertsPlayOnH) {
  for (const bool hints : {false, true}) {
    auto g = Hand();
    g->settings.ShowHints = hints;
    // 2 + 3 and 4 + 1 make 5; the 6 belongs to no capture.
    Takes({"2C", "3S", "6D", "4D", "AC"}, "5C", {1})(*g);
    EXPECT_EQ(TableTalk(*g, TalkInput{}).LitTable, hints ? 0b11011U : 0U) << hints;
  }
  auto g = Hand();
  test::LayTable(*g, {"5D", "KS", "5S"}, "2C", 0);
  g->piles.TableCount -= 1;  // no card played yet: the human is to pick
  HumanToPick(*g);
  g->piles.Hand[0][6] = CardSprite{.Card = test::CardOf(*g, "KD"), .Present = true};
  const ExpertHint kingTakesKing{
      .HandCard = test::CardOf(*g, "KD"), .TableCards = {test::CardOf(*g, "KS")}, .Count = 1};
  EXPECT_EQ(TableTalk(*g, TalkInput{.expert = &kingTakesKing}).LitHandSlot, -1)
      << "hints off: H shows nothing";
  g->settings.ShowHints = true;
  TableNotes notes = TableTalk(*g, TalkInput{.expert = &kingTakesKing});
  EXPECT_EQ(notes.LitHandSlot, 6);
  EXPECT_EQ(notes.LitTable, 0b010U);
  // Found by its cards: the king sorted elsewhere in the hand is still the one lit.
  std::swap(g->piles.Hand[0][6], g->piles.Hand[0][2]);
  EXPECT_EQ(TableTalk(*g, TalkInput{.expert = &kingTakesKing}).LitHandSlot, 2);
  EXPECT_EQ(TableTalk(*g, TalkInput{}).LitHandSlot, -1) << "H released";
}

TEST(TableTalk, SpaceOrThePointerOnAPileLaysOpenTheLastCaptures) {
  auto g = Hand();
  const Rect theirs = PileSpotRect(*g, kSideThey);
  const Rect ours = PileSpotRect(*g, kSideWe);
  const struct {
    const char* what;
    bool ourCapture;
    bool space;
    Rect pointer;
    PlayState state;
    int sides;
  } rows[] = {
      {"Space", true, true, {}, PlayState::NormalPlay, 3},
      {"Space before WE took anything", false, true, {}, PlayState::NormalPlay, 2},
      {"the pointer on THEY's pile", true, false, theirs, PlayState::NormalPlay, 2},
      {"the pointer on WE's pile", true, false, ours, PlayState::Paused, 1},
      {"the pointer on an empty pile", false, false, ours, PlayState::NormalPlay, 0},
      {"nothing asked", true, false, {}, PlayState::NormalPlay, 0},
      {"the score page", true, true, theirs, PlayState::HandOver, 0},
  };
  for (const auto& r : rows) {
    g->piles.Our.Last.Taker = r.ourCapture ? test::CardOf(*g, "5C") : -1;
    g->piles.Their.Last.Taker = test::CardOf(*g, "KC");
    g->turn.GameState = r.state;
    const TalkInput in{
        .mouseX = r.pointer.Left + 30, .mouseY = r.pointer.Top + 30, .lookBack = r.space};
    EXPECT_EQ(TableTalk(*g, in).LastCaptureSides, r.sides) << r.what;
  }
}

// Only while the human chooses are the table cards to be clicked, and the
// last captures kept off them.
TEST(TableTalk, TheTableTakesClicksOnlyWhileTheHumanChoosesACapture) {
  const struct {
    const char* situation;
    Situation set;
    bool clickable;
  } rows[] = {
      {"the human to choose", Takes({"2C", "3S", "4D"}, "7C", {}), true},
      {"the human's capture gathering",
       Then(Takes({"3S", "4D"}, "7C", {}), [](Game& g) { g.capture.CaptureReady = true; }), false},
      {"the partner's capture", Takes({"3S", "4D"}, "7C", {}, 2), false},
      {"the human to pick", HumanToPick, false},
  };
  for (const auto& r : rows) {
    auto g = Hand();
    r.set(*g);
    EXPECT_EQ(TableTalk(*g, TalkInput{.lookBack = true}).TableClickable, r.clickable)
        << r.situation;
  }
}

// Every choice on one table: "add up" exactly when no further cards could
// make the value, which is when no click could ever complete the capture.
TEST(TableTalk, ACaptureIsCalledWrongOnlyWhenNoFurtherCardsCanMakeIt) {
  const std::vector<int> values = {1, 2, 3, 4, 6, 9};
  const int n = static_cast<int>(values.size());
  const auto sum = [&](int mask) {
    int s = 0;
    for (int i = 0; i < n; ++i) s += (mask >> i & 1) ? values[i] : 0;
    return s;
  };
  for (int mask = 1; mask < (1 << n); ++mask) {
    if (sum(mask) == 10) continue;  // taken at once, never left standing
    bool completable = false;
    for (int more = mask; more < (1 << n); ++more) {
      completable = completable || ((more & mask) == mask && sum(more) == 10);
    }
    auto g = Hand();
    Takes({"AC", "2C", "3S", "4D", "6S", "QH"}, "KC", {})(*g);
    for (int i = 0; i < n; ++i) g->piles.TablePile[i].Chosen = (mask >> i & 1) != 0;
    const std::string expected = completable
                                     ? "Pick the cards for your 10"
                                     : "These add up to " + std::to_string(sum(mask)) + ", not 10";
    EXPECT_EQ(TableTalk(*g, TalkInput{}).Message, expected) << "choice " << mask;
  }
}

}  // namespace
}  // namespace verlano
