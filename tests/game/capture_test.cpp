// How the capture is decided for the human and the computer seats, which
// play state follows, when a capture is a sweep, and what the human's choice
// of table cards must be. What a card may capture is the engine's
// (tests/engine/captures_test.cpp).

#include <gtest/gtest.h>

#include <vector>

#include "game/play_outcome.h"
#include "rules/table_builder.h"

namespace verlano {
namespace {

using test::Choose;
using test::LayTable;

class CaptureTest : public ::testing::Test {
 protected:
  std::unique_ptr<Game> game = test::DealtGame(Options{});
  Game& g = *game;
  Piles& piles = g.piles;

  const CardSprite& At(int position) const { return piles.TablePile[position]; }
  const CardSprite& Played() const { return piles.TablePile[piles.TableCount - 1]; }

  // The computer seat's chosen capture, as the computer player leaves it.
  void ChooseForComputer(std::initializer_list<int> positions) {
    CaptureChoice& choice = g.capture.Choice;
    choice.Count = 0;
    for (int p : positions) choice.Positions[choice.Count++] = p;
  }

  // The seat's card lands on the table and the capture is decided: a computer
  // seat's choice is `capture`; for the human it is the first legal capture.
  void PlayOnto(test::Codes table, std::string_view played, int seat,
                std::initializer_list<int> capture = {}) {
    LayTable(g, table, played, seat);
    ChooseForComputer(capture);
    DecideCapture(g, static_cast<int>(capture.size()));
  }

  void ExpectDecision(int result, int lastCapturer, PlayState state) const {
    EXPECT_EQ(g.capture.CaptureResult, result);
    EXPECT_EQ(g.capture.LastCapturer, lastCapturer);
    EXPECT_EQ(g.turn.GameState, state);
  }

  void MakeLastPlay() { piles.CardsPlayed = 4 * g.settings.Rules.CardsPerHand; }

  // Table positions marked to go with the played card, the played card excluded.
  std::vector<int> MarkedPositions() const {
    std::vector<int> marked;
    for (int i = 0; i < piles.TableCount - 1; ++i) {
      if (At(i).ToCapture) marked.push_back(i);
    }
    return marked;
  }
};

TEST_F(CaptureTest, SevenWithASevenOnTheTableTakesOnlyTheSeven) {
  LayTable(g, {"7C", "3D", "4H"}, "7S", 0);
  EXPECT_TRUE(HasEqualCard(g));
  Choose(g, {1, 2});
  EXPECT_FALSE(CheckSelection(g)) << "3 + 4 while a 7 lies on the table";
  Choose(g, {0});
  EXPECT_FALSE(CheckSelection(g)) << "the 7 together with other cards";
  piles.TablePile[1].Chosen = false;
  piles.TablePile[2].Chosen = false;
  EXPECT_TRUE(CheckSelection(g));
}

TEST_F(CaptureTest, HumanSelectionHasNoBoundOnItsSize) {
  LayTable(g, {"AC", "AD", "2H", "3S", "3C"}, "KC", 0);
  Choose(g, {0, 1, 2, 3, 4});
  EXPECT_TRUE(CheckSelection(g));
}

TEST_F(CaptureTest, PlayedCardIsNoPartOfWhatItCaptures) {
  LayTable(g, {"3C"}, "6D", 0);
  EXPECT_FALSE(HasEqualCard(g));
  Choose(g, {1});
  EXPECT_FALSE(CheckSelection(g));
}

TEST_F(CaptureTest, CardOnAnEmptyTableCapturesNothing) {
  PlayOnto({}, "5D", 1, {0});
  ExpectDecision(-1, 0, PlayState::NormalPlay);
  EXPECT_FALSE(Played().ToCapture);
  EXPECT_FALSE(g.capture.TheySweep);
}

TEST_F(CaptureTest, HumanCaptureStartsOurGatheringAndWaitsForTheSelection) {
  g.capture.LastCapturer = 3;
  PlayOnto({"5C", "2H"}, "5D", 0, {0});
  ExpectDecision(1, 0, PlayState::WeGatherCapture);
  EXPECT_GT(g.capture.CaptureResult, 0);
  EXPECT_STREQ(StateName(g.turn.GameState), "WE ARE GETTING CARDS - GOTHERING");
  EXPECT_TRUE(MarkedPositions().empty());
  EXPECT_FALSE(g.capture.WeSweep);
}

TEST_F(CaptureTest, HumanCardThatTakesNothingStaysOnTheTable) {
  g.capture.LastCapturer = 3;
  PlayOnto({"2C", "JH"}, "5D", 0);
  ExpectDecision(0, 3, PlayState::NormalPlay);
}

TEST_F(CaptureTest, ComputerCaptureMarksItsChoiceAndPicksTheSidesGathering) {
  const PlayState gathering[4] = {
      PlayState::WeGatherCapture, PlayState::TheyGatherCapture,
      PlayState::WeGatherCapture, PlayState::TheyGatherCapture};
  for (int seat = 1; seat < 4; ++seat) {
    PlayOnto({"2C", "5C", "3H"}, "5D", seat, {1});
    ExpectDecision(1, seat, gathering[seat]);
    EXPECT_EQ(MarkedPositions(), std::vector<int>{1});
    EXPECT_TRUE(Played().ToCapture);
    EXPECT_FALSE(g.capture.WeSweep);
    EXPECT_FALSE(g.capture.TheySweep);
  }
  EXPECT_STREQ(StateName(PlayState::TheyGatherCapture),
               "THEY ARE GETTING CARDS - GOTHERING");
}

TEST_F(CaptureTest, ComputerSweepFlagsItsSideAndPicksTheDrevGathering) {
  const PlayState drev[4] = {PlayState::WeGatherSweep, PlayState::TheyGatherSweep,
                             PlayState::WeGatherSweep,
                             PlayState::TheyGatherSweep};
  for (int seat = 1; seat < 4; ++seat) {
    ClearSweepFlags(g);
    PlayOnto({"2C", "3H"}, "5D", seat, {0, 1});
    ExpectDecision(2, seat, drev[seat]);
    EXPECT_EQ(g.capture.WeSweep, IsWeSeat(seat)) << "seat " << seat;
    EXPECT_EQ(g.capture.TheySweep, !IsWeSeat(seat)) << "seat " << seat;
    EXPECT_EQ(MarkedPositions(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(Played().ToCapture);
  }
  EXPECT_STREQ(StateName(PlayState::WeGatherSweep), "WE ARE GETTING DREV - GOTHERING");
  EXPECT_STREQ(StateName(PlayState::TheyGatherSweep), "THEY ARE GETTING DREV - GOTHERING");
}

// Only the capturing side's own sweep flag turns its gathering into a DREV one.
TEST_F(CaptureTest, OtherSidesSweepFlagMakesNoDrev) {
  for (int seat = 1; seat < 4; ++seat) {
    g.capture.WeSweep = !IsWeSeat(seat);
    g.capture.TheySweep = IsWeSeat(seat);
    PlayOnto({"2C", "5C", "3H"}, "5D", seat, {1});
    EXPECT_EQ(g.turn.GameState, IsWeSeat(seat) ? PlayState::WeGatherCapture
                                               : PlayState::TheyGatherCapture);
  }
}

TEST_F(CaptureTest, ClearingTheTableOnTheLastPlayIsNoSweep) {
  for (int seat = 1; seat < 4; ++seat) {
    LayTable(g, {"2C", "3H"}, "5D", seat);
    MakeLastPlay();
    ChooseForComputer({0, 1});
    DecideCapture(g, 0);
    EXPECT_EQ(g.turn.GameState, IsWeSeat(seat) ? PlayState::WeGatherCapture
                                               : PlayState::TheyGatherCapture);
    EXPECT_FALSE(g.capture.WeSweep);
    EXPECT_FALSE(g.capture.TheySweep);
    EXPECT_EQ(g.capture.LastCapturer, seat);
  }
}

TEST_F(CaptureTest, ComputerSeatWithNoChoiceTakesNothing) {
  g.capture.LastCapturer = 2;
  PlayOnto({"2C", "3H"}, "KD", 3);
  ExpectDecision(0, 2, PlayState::NormalPlay);
  EXPECT_TRUE(MarkedPositions().empty());
  EXPECT_FALSE(Played().ToCapture);
}

TEST_F(CaptureTest, SweepFlagIsClearedWhenTheTurnPasses) {
  PlayOnto({"2C", "3H"}, "5D", 1, {0, 1});
  ASSERT_TRUE(g.capture.TheySweep);
  ClearSweepFlags(g);
  EXPECT_FALSE(g.capture.TheySweep);
  EXPECT_FALSE(g.capture.WeSweep);
}

TEST_F(CaptureTest, WithAnEqualCardOnlyThatCardAloneCompletesTheSelection) {
  LayTable(g, {"5C", "2D", "3H"}, "5S", 0);
  Choose(g, {1, 2});
  EXPECT_FALSE(CheckSelection(g));
  piles.TablePile[1].Chosen = false;
  piles.TablePile[2].Chosen = false;
  Choose(g, {0});
  EXPECT_TRUE(CheckSelection(g));
}

TEST_F(CaptureTest, SelectionMustAddUpExactly) {
  LayTable(g, {"3C", "3D", "4H"}, "KS", 0);
  Choose(g, {0, 2});
  EXPECT_FALSE(CheckSelection(g));
  Choose(g, {1});
  EXPECT_TRUE(CheckSelection(g));
  piles.TablePile[1].Present = false;  // a card no longer on the table does not count
  EXPECT_FALSE(CheckSelection(g));
}

TEST_F(CaptureTest, PlayedCardCanNeverBeChosen) {
  LayTable(g, {"2C", "3H"}, "5D", 0);
  Choose(g, {2});
  EXPECT_FALSE(CheckSelection(g));
}

TEST_F(CaptureTest, StoredSelectionKeepsTableOrderAndMarksOnlyTheChosen) {
  LayTable(g, {"AC", "2D", "JH", "3S", "4C"}, "KD", 0);
  Choose(g, {4, 1, 3});
  Choose(g, {0});
  ASSERT_TRUE(CheckSelection(g));
  StoreSelection(g);
  const CaptureChoice& choice = g.capture.Choice;
  ASSERT_EQ(choice.Count, 4);
  EXPECT_EQ(std::vector<int>(choice.Positions.begin(), choice.Positions.begin() + 4),
            (std::vector<int>{0, 1, 3, 4}));
  EXPECT_EQ(MarkedPositions(), (std::vector<int>{0, 1, 3, 4}));
  for (int i = 0; i < piles.TableCount; ++i) EXPECT_FALSE(At(i).Chosen) << i;
  EXPECT_TRUE(g.capture.CaptureReady);
}

// Four aces and three twos make a king's ten: seven cards, all of them kept.
TEST_F(CaptureTest, SevenCardSelectionIsStoredAndCommittedWhole) {
  PlayOnto({"AC", "AD", "AH", "AS", "2C", "2D", "2H", "5S"}, "KD", 0, {0, 4, 5, 7});
  ASSERT_EQ(g.turn.GameState, PlayState::WeGatherCapture) << "an ace, two twos and a five";
  Choose(g, {0, 1, 2, 3, 4, 5, 6});
  ASSERT_TRUE(CheckSelection(g));
  StoreSelection(g);
  EXPECT_EQ(g.capture.Choice.Count, 7);
  EXPECT_EQ(MarkedPositions(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_FALSE(CommitHumanCapture(g)) << "the five stays on the table";
  EXPECT_FALSE(g.capture.WeSweep);
  EXPECT_EQ(g.capture.CaptureResult, 7);
  EXPECT_TRUE(Played().ToCapture);
  EXPECT_FALSE(At(7).ToCapture);
}

TEST_F(CaptureTest, SevenCardSelectionThatClearsTheTableIsASweep) {
  LayTable(g, {"AC", "AD", "AH", "AS", "2C", "2D", "2H"}, "KD", 0);
  Choose(g, {0, 1, 2, 3, 4, 5, 6});
  ASSERT_TRUE(CheckSelection(g));
  StoreSelection(g);
  EXPECT_TRUE(CommitHumanCapture(g));
  EXPECT_TRUE(g.capture.WeSweep);
  EXPECT_EQ(g.capture.CaptureResult, 7);
  EXPECT_EQ(MarkedPositions(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(Played().ToCapture);
}

TEST_F(CaptureTest, HumanPartialCaptureIsNoSweep) {
  LayTable(g, {"2C", "3H", "QS"}, "5D", 0);
  Choose(g, {0, 1});
  StoreSelection(g);
  EXPECT_FALSE(CommitHumanCapture(g));
  EXPECT_FALSE(g.capture.WeSweep);
  EXPECT_EQ(g.capture.CaptureResult, 2);
}

TEST_F(CaptureTest, HumanClearingTheTableOnTheLastPlayIsNoSweep) {
  LayTable(g, {"2C", "3H"}, "5D", 0);
  MakeLastPlay();
  Choose(g, {0, 1});
  StoreSelection(g);
  EXPECT_FALSE(CommitHumanCapture(g));
  EXPECT_FALSE(g.capture.WeSweep);
  EXPECT_TRUE(Played().ToCapture);
}

TEST_F(CaptureTest, EmptyHumanCaptureLeavesThePlayedCard) {
  LayTable(g, {"2C", "3H"}, "QD", 0);
  StoreSelection(g);
  EXPECT_FALSE(CommitHumanCapture(g));
  EXPECT_EQ(g.capture.CaptureResult, 0);
  EXPECT_FALSE(Played().ToCapture);
}

}  // namespace
}  // namespace verlano
