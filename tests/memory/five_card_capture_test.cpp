// The most a capture takes, five cards, by the player's own clicks: the four
// aces the deal laid and a five, taken by a queen where the card must take
// (a king could take the aces and a six alike). Recorded, the record reads
// and writes back byte for byte, replays to the game's totals, is reviewed
// with the capture among the plays judged, and the turn after it is taken
// back to from its kept text.

#include <gtest/gtest.h>

#include <array>

#include "engine/find_play.h"
#include "memory/game_folder.h"
#include "memory/match_recorder.h"
#include "memory/record_review.h"
#include "memory/record_walk.h"
#include "rules/deal.h"
#include "table_run.h"
#include "temp_folder.h"

namespace verlano {
namespace {

// A nine-card pack, seat 1 to lead, whose table cards are the four aces
// (dealt after the 12th and the 24th hand card); the classic seats 1 to 3
// lay their first cards, one a five, and the player's queen of spades may
// then take the four aces and the five (or the five and three aces less).
constexpr std::array<int, 40> kPack = {44, 50, 26, 15, 5,  10, 51, 40, 17, 23, 20, 47, 0, 1,
                                       7,  42, 21, 8,  24, 46, 48, 18, 45, 4,  9,  12, 2, 3,
                                       41, 6,  16, 14, 22, 25, 49, 19, 43, 13, 11, 27};
constexpr int kLeader = 1;
constexpr int kQueen = 47;
constexpr std::array<int, 5> kTaken = {0, 1, 2, 3, 18};

void DealThePack(Game& game) {
  DealHand(game);
  for (std::size_t i = 0; i < kPack.size(); ++i) {
    game.deal.ShuffledCards[i] = kPack[i];
    game.piles.Deck[i].Card = kPack[i];
  }
  game.turn.CurrentSeat = kLeader;
  BuildDealOrder(game);
}

class Recording : public RunObserver {
 public:
  explicit Recording(const GameFolder& folder)
      : recorder_(
            folder, FiveCardOptions(), [](const std::string& line) { ADD_FAILURE() << line; },
            [] { return "five"; }) {}
  void QuietMoment(const Game& game) override { recorder_.QuietMoment(game); }
  void PlayMade() override {}
  void MuteChanged(bool) override {}

  static Options FiveCardOptions() {
    Options options;
    options.allowTakeBacks = true;
    return options;
  }

 private:
  MatchRecorder recorder_;
};

class FiveCardCapture : public test::TableRun {};

TEST_F(FiveCardCapture, IsRecordedReplayedReviewedAndTakenBack) {
  test::TempFolder root;
  std::string note;
  const GameFolder folder = GameFolder::Open(root.Path() + "/matches", note);
  ASSERT_TRUE(folder.Usable()) << note;
  Recording recording(folder);
  Game& g = StartWith(Recording::FiveCardOptions(), DealThePack, &recording).game;
  UntilPlayersMove();
  ASSERT_EQ(g.piles.CardsPlayed, 3);

  // The queen clicked at its left edge, which the next card does not cover,
  // then the five cards chosen one by one.
  int slot = 0;
  for (; slot < kHandEntries - 1 && g.piles.Hand[0][slot].Card != kQueen; ++slot) {
  }
  const CardSprite& queen = g.piles.Hand[0][slot];
  pf.SetMouse(queen.HomeX + 1, queen.HomeY + queen.Height / 2);
  pf.SetButton(kMouseLeft, true);
  Frame();
  pf.SetButton(kMouseLeft, false);
  ASSERT_TRUE(g.turn.HumanPicked) << "the queen is in the hand";
  UntilPlayersMove();
  ASSERT_TRUE(MayClickTable(g)) << "the queen must take";
  for (int i = 0; i < g.piles.TableCount - 1; ++i) {
    if (std::ranges::find(kTaken, g.piles.TablePile[i].Card) == kTaken.end()) continue;
    ASSERT_FALSE(g.capture.CaptureReady);
    ChooseTableCard(g, i, true);
  }
  ASSERT_TRUE(g.capture.CaptureReady);
  UntilPlayersMove();
  const PlayLine& line = PlayFromNewest(g.playLog, LoggedPlays(g.playLog) - 4);
  ASSERT_EQ(line.Cards.Taker, kQueen);
  ASSERT_EQ(line.Cards.TakenCount, 5);

  // The turn after the capture, taken back to from a later one: its text
  // tells the capture in the hand's story.
  const std::string after = Kept();
  Play(0);
  Tap(kKeyU);
  EXPECT_EQ(Kept(), after);
  EXPECT_TRUE(g.match.TakenBack);
  while (g.turn.GameState != PlayState::HandOver) Play(0);

  std::string text;
  ASSERT_FALSE(folder.Read("five.rec", 1 << 20, text));
  EXPECT_NE(text.find("card=QS taken-count=5 taken=AC,AD,AH,AS,5H"), std::string::npos) << text;
  const MatchRecord record = ReadRecord(text, g.cards);
  EXPECT_EQ(WriteRecord(record, g.cards), text);
  RecordOutcome outcome;
  ASSERT_EQ(OutcomeOf(record, outcome), "");
  EXPECT_EQ(outcome.totals, (std::array<int, 2>{g.match.OurMatchTotal, g.match.TheirMatchTotal}));

  engine::Judge judge({.deals = 8, .minDeals = 4});
  RecordReview review;
  ASSERT_EQ(ReviewRecord(record, 0, judge, review), "");
  ASSERT_EQ(review.hands.size(), 1U);
  const auto five = std::ranges::find_if(review.hands[0].plays,
                                         [](const ReviewedPlay& play) { return play.play == 3; });
  ASSERT_NE(five, review.hands[0].plays.end());
  ASSERT_LT(five->played, five->judged.size());
  EXPECT_EQ(five->Made().move.count, 5);
}

}  // namespace
}  // namespace verlano
