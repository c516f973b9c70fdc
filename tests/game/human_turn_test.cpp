// The human's mouse: which hand card a click picks, when a pick is refused,
// which table selections complete a capture, and the only capture taken
// without clicks.

#include "game/human_turn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "rules/game.h"
#include "rules/table_builder.h"

namespace verlano {
namespace {

using test::CardOf;

// The human's hand of `n` cards at its rest places, the human to play.
void HumanToPlay(Game& g, int n) {
  DealHand(g);
  for (int i = 0; i < n; ++i) g.piles.Hand[0][i].Present = true;
  g.piles.HandCount[0] = n;
  g.turn.GameState = PlayState::NormalPlay;
  g.turn.WaitingForHuman = true;
  g.turn.CurrentSeat = 0;
}

TEST(PickHandCard, TakesTheTopCardUnderThePointerAndMissesOnEdges) {
  const struct {
    int x, y, slot;
  } rows[] = {
      {70, 500, 1},    // where cards 0 and 1 overlap: the higher slot
      {30, 500, 0},    // card 0 alone
      {5, 500, -1},    // x on card 0's left edge
      {6, 421, 0},     // just inside the top-left corner
      {6, 420, -1},    // y on the top edge
      {6, 573, -1},    // y on the bottom edge (420 + 153)
      {610, 500, -1},  // x on the last card's right edge (518 + 92)
      {609, 500, 9},
  };
  for (const auto& r : rows) {
    Game g(test::VariantOptions(Variant::Romane), 1);
    HumanToPlay(g, 10);
    EXPECT_EQ(PickHandCard(g, r.x, r.y), r.slot) << r.x << "," << r.y;
    EXPECT_EQ(g.turn.HumanPicked, r.slot >= 0);
    EXPECT_EQ(g.turn.HumanPlayed, r.slot >= 0);
  }
}

TEST(PickHandCard, IsRefusedWhenTheCardCouldNotBePlayedAtOnce) {
  // A refused pick must leave the human free to pick again later.
  const std::vector<std::pair<const char*, void (*)(Game&)>> blockers = {
      {"paused", [](Game& g) { g.turn.GameState = PlayState::Paused; }},
      {"sorting", [](Game& g) { g.turn.GameState = PlayState::SortGatherHand; }},
      {"not the human's turn", [](Game& g) { g.turn.WaitingForHuman = false; }},
      {"a card in flight", [](Game& g) { g.piles.Hand[2][0].Moving = true; }},
  };
  for (const auto& [name, block] : blockers) {
    Game g(test::VariantOptions(Variant::Romane), 1);
    HumanToPlay(g, 10);
    block(g);
    EXPECT_EQ(PickHandCard(g, 30, 500), -1) << name;
    EXPECT_FALSE(g.turn.HumanPicked) << name;
  }
}

// The table laid out side by side, 150 pixels apart, so a click names a card.
void SpreadTable(Game& g, test::Codes table, std::string_view played) {
  test::LayTable(g, table, played, 0);
  for (int i = 0; i < g.piles.TableCount; ++i) {
    CardSprite& s = g.piles.TablePile[i];
    s.X = 150.0f * i;
    s.Y = 100;
    s.Width = 92;
    s.Height = 153;
  }
  g.turn.GameState = PlayState::WeGatherCapture;
}

int Click(Game& g, int button, int position) {
  return ClickTableCard(g, button, 150 * position + 40, 170);
}

TEST(ClickTableCard, CompletesOnlyALegalSelection) {
  const struct {
    test::Codes table;
    const char* played;
    std::vector<std::pair<int, int>> clicks;  // (button, table position)
    bool complete;
    std::vector<int> taken;
  } rows[] = {
      {{"5D", "2C", "3S"}, "5C", {{0, 1}, {0, 2}}, false, {}},  // an equal card is on the table
      {{"5D", "2C", "3S"}, "5C", {{0, 0}}, true, {0}},
      {{"3D", "3C", "4S"}, "KC", {{0, 0}, {0, 1}, {0, 2}}, true, {0, 1, 2}},
      {{"3D", "3C", "4S"}, "KC", {{0, 0}, {0, 2}}, false, {}},
      {{"3D", "3C", "4S"}, "KC", {{0, 3}}, false, {}},  // the played card itself
      // Taken back with the right button, then the right card chosen.
      {{"2D", "4C", "3S"}, "5C", {{0, 1}, {1, 1}, {0, 0}, {0, 2}}, true, {0, 2}},
      // Holding the button over a chosen card keeps it chosen.
      {{"6D", "AC"}, "7C", {{0, 0}, {0, 0}, {0, 1}}, true, {0, 1}},
  };
  for (const auto& r : rows) {
    Game g(test::VariantOptions(Variant::Romane), 1);
    SpreadTable(g, r.table, r.played);
    for (auto [button, position] : r.clicks) Click(g, button, position);
    EXPECT_EQ(g.capture.CaptureReady, r.complete) << r.played;
    if (!r.complete) continue;
    const CaptureChoice& c = g.capture.Choice;
    EXPECT_EQ(std::vector<int>(c.Positions.begin(), c.Positions.begin() + c.Count), r.taken);
    for (int i = 0; i < g.piles.TableCount; ++i) EXPECT_FALSE(g.piles.TablePile[i].Chosen);
  }
}

TEST(TakeTheOnlyCapture, TakesExactlyTheOneCaptureAsClicksWould) {
  const struct {
    test::Codes table;
    const char* played;
    std::vector<int> strayChoice;
    std::vector<int> taken;  // empty: nothing is taken
  } rows[] = {
      {{"5D", "2C", "3S"}, "5C", {}, {0}},              // the one equal card
      {{"5D", "5S", "3S"}, "5C", {}, {}},               // two equal cards: the player chooses
      {{"2C", "3S", "6D"}, "5C", {}, {0, 1}},           // the one sum
      {{"2C", "3S", "4D", "AC"}, "5C", {}, {}},         // 2 + 3 and 4 + 1
      {{"2C", "3S", "6D"}, "5C", {2}, {0, 1}},          // a stray choice is taken back
      {{"AC", "AS", "2D", "KD"}, "4C", {}, {0, 1, 2}},  // three cards
      {{"6D", "KD"}, "5C", {}, {}},                     // no capture at all
  };
  for (const auto& r : rows) {
    Game g(test::VariantOptions(Variant::Romane), 1);
    SpreadTable(g, r.table, r.played);
    for (const int i : r.strayChoice) g.piles.TablePile[i].Chosen = true;
    EXPECT_EQ(TakeTheOnlyCapture(g), !r.taken.empty()) << r.played;
    EXPECT_EQ(g.capture.CaptureReady, !r.taken.empty()) << r.played;
    if (r.taken.empty()) continue;
    const CaptureChoice& c = g.capture.Choice;
    EXPECT_EQ(std::vector<int>(c.Positions.begin(), c.Positions.begin() + c.Count), r.taken);
    for (int i = 0; i < g.piles.TableCount - 1; ++i) {
      const bool taken = std::find(r.taken.begin(), r.taken.end(), i) != r.taken.end();
      EXPECT_EQ(g.piles.TablePile[i].ToCapture, taken) << r.played << " position " << i;
      EXPECT_FALSE(g.piles.TablePile[i].Chosen);
    }
  }
}

TEST(TakeTheOnlyCapture, WaitsForTheCardToBeChoosingItsCapture) {
  // Not the human's capture, or cards still moving: nothing is chosen.
  const std::vector<std::pair<const char*, void (*)(Game&)>> blockers = {
      {"the partner's capture", [](Game& g) { g.turn.CurrentSeat = 2; }},
      {"a card in flight", [](Game& g) { g.piles.Hand[1][0].Moving = true; }},
      {"the capture under way", [](Game& g) { g.capture.CaptureReady = true; }},
      {"in play, not gathering", [](Game& g) { g.turn.GameState = PlayState::NormalPlay; }},
  };
  for (const auto& [name, block] : blockers) {
    Game g(test::VariantOptions(Variant::Romane), 1);
    SpreadTable(g, {"5D"}, "5C");
    block(g);
    EXPECT_FALSE(TakeTheOnlyCapture(g)) << name;
    EXPECT_FALSE(g.piles.TablePile[0].Chosen || g.piles.TablePile[0].ToCapture) << name;
  }
}

TEST(ClickTableCard, DoesNothingWhileACardMoves) {
  Game g(test::VariantOptions(Variant::Romane), 1);
  SpreadTable(g, {"5D"}, "5C");
  g.piles.Hand[3][0].Moving = true;
  EXPECT_EQ(Click(g, 0, 0), 0);
  EXPECT_FALSE(g.piles.TablePile[0].Chosen);
  EXPECT_FALSE(g.capture.CaptureReady);
}

TEST(PlayCardToTable, SendsTheCardToTheLowestFreePlaceAndTakesIt) {
  Game g(test::VariantOptions(Variant::Romane), 1);
  HumanToPlay(g, 10);
  g.piles.TableSlots[0].Occupied = true;
  CardSprite& card = g.piles.Hand[0][4];
  PlayCardToTable(g, card);
  EXPECT_TRUE(card.Moving);
  EXPECT_EQ(card.Slot, 1);
  EXPECT_TRUE(g.piles.TableSlots[1].Occupied);
  const TableSlot& slot = g.piles.TableSlots[1];
  EXPECT_GE(card.TargetX, slot.SlotX);
  EXPECT_LT(card.TargetX, slot.SlotX + g.layout.TableJitterX);
  EXPECT_GE(card.TargetY, slot.SlotY);
  EXPECT_LT(card.TargetY, slot.SlotY + g.layout.TableJitterY);
  // A second card while the first flies is not sent.
  CardSprite& other = g.piles.Hand[0][5];
  PlayCardToTable(g, other);
  EXPECT_FALSE(other.Moving);
}

}  // namespace
}  // namespace verlano
