// Matches kept in positions the game cannot reach, each refused with its
// reason: every case was loaded and played before the match file was checked
// against the rules. Each prints its verdict.

#include <gtest/gtest.h>

#include <iostream>

#include "memory/match_text.h"
#include "memory/quiet_game.h"

namespace verlano {
namespace {

using test::FieldOf;
using test::Refusal;
using test::WithField;
using test::WithoutLine;

// A nine-card match at the human's first turn: seat 3 has played, THEY have
// taken a card with it, three cards lie on the table.
class KeptPosition : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<Game>(Options{}, 7);
    test::PlayToQuietMoment(*game_);
    const Piles& p = game_->piles;
    ASSERT_EQ(p.HandCount[0], 9);
    ASSERT_EQ(p.Their.PileCount, 2);
    ASSERT_GT(p.TableCount, 0);
    ASSERT_NE(p.Their.Last.Taker, -1);
    text_ = WriteMatch(*game_);
    ASSERT_EQ(Refusal(text_), "");
  }

  // Expects the text refused with a reason containing `reason`, and says so.
  void ExpectRefused(const char* name, const std::string& text, const std::string& reason) {
    const std::string why = Refusal(text);
    std::cout << "case " << name << ": " << (why.empty() ? "LOADED" : "refused: " + why) << "\n";
    EXPECT_NE(why.find(reason), std::string::npos) << name << ": " << why;
  }

  std::unique_ptr<Game> game_;
  std::string text_;
};

TEST_F(KeptPosition, AHistoryLongerThanTheScorePageIsRefused) {
  std::string rows = "0";
  for (int i = 1; i < 41; ++i) rows += ",0";
  const std::string text =
      WithField(WithField(WithField(text_, "match", "hands", "41"), "match", "history-we", rows),
                "match", "history-they", rows);
  ExpectRefused("a (41 hands of history)", text, "41 hands where a score page holds 5");
  ExpectRefused("a (6 hands of history)",
                WithField(WithField(WithField(text_, "match", "hands", "6"), "match", "history-we",
                                    "0,0,0,0,0,0"),
                          "match", "history-they", "0,0,0,0,0,0"),
                "score page holds 5");
  ExpectRefused(
      "a (rows not adding up to the totals)",
      WithField(WithField(WithField(text_, "match", "hands", "1"), "match", "history-we", "3"),
                "match", "history-they", "0"),
      "does not add up");
  ExpectRefused("a (carried row on an empty page)", WithField(text_, "match", "carried-row", "1"),
                "carries a row it cannot hold");
  ExpectRefused("a (a tally of more points than the totals)",
                WithField(text_, "match", "tally-they", "1"), "tally counts more points");
}

TEST_F(KeptPosition, AHandOfTheWrongSizeIsRefused) {
  // Seat 1's last card moved to seat 0's next place, every list agreeing.
  Piles& p = game_->piles;
  const int card = p.HandCards[1][--p.HandCount[1]];
  for (CardSprite& s : p.Hand[1]) {
    if (s.Present && s.Card == card) s.Present = false;
  }
  CardSprite& shown = p.Hand[0][p.HandCount[0]];
  shown.Card = card;
  shown.Present = true;
  shown.FaceUp = true;
  p.HandCards[0][p.HandCount[0]++] = card;
  ExpectRefused("b (ten cards and eight in a nine-card hand)", WriteMatch(*game_),
                "seat 0 holds 10 cards where the 9-card deal and 0 turns leave 9");
}

TEST_F(KeptPosition, AVariantOtherThanTheDealsIsRefused) {
  for (const char* variant : {"romane", "umbria", "napoletane"}) {
    ExpectRefused(("c (a nine-card deal called " + std::string(variant) + ")").c_str(),
                  WithField(text_, "options", "variant", variant), "deal of 10 cards a seat");
  }
  Options romane;
  romane.variant = Variant::Romane;
  Game ten(romane, 7);
  test::PlayToQuietMoment(ten);
  ExpectRefused("c (a ten-card deal called nine)",
                WithField(WriteMatch(ten), "options", "variant", "nine"), "deal of 9 cards a seat");
}

TEST_F(KeptPosition, APileShowingOtherCardsThanItsListIsRefused) {
  const std::string inHand = FieldOf(text_, "seat.0", "cards").substr(0, 2);
  ExpectRefused("d (a pile card changed to a card in hand)",
                WithField(text_, "they-pile.0", "card", inHand), "shows other cards than it lists");
  ExpectRefused("d (a pile card's line removed)", WithoutLine(text_, "they-pile.1"),
                "their pile shows other than its count");
}

TEST_F(KeptPosition, ARemovedPlaceLineIsRefused) {
  const Piles& p = game_->piles;
  const std::string slot = std::to_string(p.TablePile[p.TableCount - 1].Slot);
  ExpectRefused("e (a taken table place's line removed)", WithoutLine(text_, "place." + slot),
                "a table place is not where the table has it");
  ExpectRefused("e (a table card's line removed)",
                WithoutLine(text_, "on-table." + std::to_string(p.TableCount - 1)),
                "the cards shown on the table differ");
  ExpectRefused("e (a card of the human's removed)", WithoutLine(text_, "hand.0.0"),
                "the cards shown in seat 0's hand differ");
  ExpectRefused("e (a table card of no size)", WithField(text_, "on-table.0", "width", "0"),
                "another size");
  ExpectRefused("e (a table card moved off its place)", WithField(text_, "on-table.0", "x", "700"),
                "away from its place");
  ExpectRefused("e (a card of the human's still in flight)",
                WithField(text_, "hand.0.0", "y", "420 moving=1"), "not kept at a quiet moment");
  ExpectRefused("e (a hidden card of the human's in flight)",
                WithField(text_, "hand.0.11", "y", "420 moving=1"), "not kept at a quiet moment");
  ExpectRefused("e (a table place marked free under a card)",
                WithField(text_, "place." + slot, "occupied", "0"),
                "marked taken by no card, or free under one");
  ExpectRefused("e (a stale table entry marked to capture)",
                WithField(text_, "on-table.20", "width", "92 to-capture=1"), "not at rest");
}

TEST_F(KeptPosition, TotalsThatDecideTheMatchAreRefusedWhileItGoesOn) {
  std::string text = WithField(text_, "match", "we", "21");
  text = WithField(WithField(WithField(text, "match", "hands", "1"), "match", "history-we", "21"),
                   "match", "history-they", "0");
  ExpectRefused("f (21 to 0 with the target 20, not over)", text,
                "totals 21 to 0 decide the match, which it says is going on");
  ExpectRefused("f (another target than the variant's)", WithField(text_, "match", "target", "5"),
                "target is not the variant's 20");
}

TEST_F(KeptPosition, TheSidesLastCapturesAreKept) {
  Game loaded(MatchOptions(text_), 0);
  ReadMatch(text_, loaded);
  const LastCapture& kept = game_->piles.Their.Last;
  const LastCapture& back = loaded.piles.Their.Last;
  std::cout << "case g: their last capture "
            << (back.Taker == -1 ? std::string("none") : CardCode(loaded.cards, back.Taker))
            << " taking " << back.TakenCount << " card(s) after loading\n";
  EXPECT_EQ(back.Taker, kept.Taker);
  EXPECT_EQ(back.TakenCount, kept.TakenCount);
  EXPECT_EQ(back.Taken, kept.Taken);
  EXPECT_EQ(loaded.piles.Our.Last.Taker, -1);
  // A file kept before the last captures were loads, with nothing to show.
  Game older(MatchOptions(text_), 0);
  ReadMatch(WithoutLine(text_, "they-last"), older);
  EXPECT_EQ(older.piles.Their.Last.Taker, -1);
  ExpectRefused(
      "g (a last capture of cards the side did not take)",
      WithField(text_, "they-last", "taker", FieldOf(text_, "seat.0", "cards").substr(0, 2)),
      "their last capture is not cards the side took");
}

// The hand's story comes back with the match; a file kept before the story
// was kept loads with none; a story that is not the hand's plays, or that
// ends elsewhere than the match kept, is refused.
TEST_F(KeptPosition, TheHandsStoryIsKeptAndMustTellThePlaysMade) {
  ASSERT_EQ(game_->playLog.Count, 1);
  Game older(MatchOptions(text_), 0);
  ReadMatch(WithoutLine(WithoutLine(text_, "story"), "story-line.0"), older);
  EXPECT_EQ(older.playLog.Count, 0);
  ExpectRefused("h (a story of two plays after one)", WithField(text_, "story", "count", "2"),
                "its story tells 2 plays where the hand has had 1");
  ExpectRefused("h (the play told of another seat)", WithField(text_, "story-line.0", "seat", "1"),
                "its story's play 1 is seat 1's where seat 3 is to play");
  ExpectRefused(
      "h (a card still in the human's hand)",
      WithField(text_, "story-line.0", "taker", FieldOf(text_, "seat.0", "cards").substr(0, 2)),
      "its story's play 1 is a card seat 3 does not hold there");
  ExpectRefused("h (a line past the story's end)", WithoutLine(text_, "story"),
                "its story has lines past its end");
  // Every play allowed, but the remainder would go by another seat's capture.
  ASSERT_EQ(FieldOf(text_, "capture", "last-capturer"), "3");
  ExpectRefused("h (the last capture made by the partner)",
                WithField(text_, "capture", "last-capturer", "1"),
                "its story's last capture is not its last capturer's");
}

}  // namespace
}  // namespace verlano
