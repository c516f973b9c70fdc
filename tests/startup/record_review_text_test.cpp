// The review of a recorded match in words: every card has a name of its own
// in each deck's words, the records' times read back in local time, and the
// text says each judged play with its cards, the points it gave up, the
// better play and the totals, as the review found them.

#include "startup/record_review_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <set>

#include "common/beginner_record.h"
#include "game/judgement_words.h"

namespace verlano {
namespace {

TEST(RecordReviewText, EveryCardHasANameOfItsOwnInEachDeck) {
  CardTables cards;
  BuildCardNames(cards);
  for (const DeckChoice deck : {DeckChoice::Trevigiano, DeckChoice::Royal}) {
    std::set<std::string> names;
    for (int card = 0; card < kCardIndexCount; ++card) {
      if (InPlay(cards, card)) names.insert(CardWords(cards, card, deck));
    }
    EXPECT_EQ(names.size(), 40U);
  }
  EXPECT_EQ(CardWords(cards, kSettebello, DeckChoice::Trentino), "7 of coins");
  EXPECT_EQ(CardWords(cards, kSettebello, DeckChoice::Royal), "7 of diamonds");
  EXPECT_EQ(CardWords(cards, CardFromCode(cards, "QH"), DeckChoice::Trevigiano),
            "knight of cups");
  EXPECT_EQ(CardWords(cards, CardFromCode(cards, "QH"), DeckChoice::Royal), "queen of hearts");
}

TEST(RecordReviewText, ARecordsTimeIsShownInLocalTimeAndOtherNamesAsTheyAre) {
  const char* kept = std::getenv("TZ");
  const std::string before = kept != nullptr ? kept : "";
  setenv("TZ", "UTC-2", 1);  // two hours east of UTC
  tzset();
  EXPECT_EQ(RecordTime("match-20261208-231005.rec"), "2026-12-09 01:10");
  EXPECT_EQ(RecordTime("match-20261208-231005-2.rec"), "match-20261208-231005-2");
  EXPECT_EQ(RecordTime("match-0003.rec"), "match-0003");
  EXPECT_EQ(RecordTime("match-2026120-231005.rec"), "match-2026120-231005");
  if (kept != nullptr) {
    setenv("TZ", before.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

TEST(RecordReviewText, EachJudgedPlayIsSaidWithItsCardsPointsAndTheBetterPlay) {
  CardTables cards;
  BuildCardNames(cards);
  Options options;
  options.deck = DeckChoice::Royal;
  const MatchRecord record = test::BeginnerRecord(options, 2, 3);
  engine::Judge judge;
  RecordReview review;
  ASSERT_EQ(ReviewRecord(record, 0, judge, review), "");
  const std::string text = ReviewText(record, review, cards);
  const auto has = [&text](const std::string& part) {
    return text.find(part) != std::string::npos;
  };
  double total = 0;
  int costly = 0;
  for (const ReviewedHand& hand : review.hands) {
    char line[96];
    std::snprintf(line, sizeof line, "Hand %d (we %d, they %d): %.2f points given up",
                  hand.hand + 1, hand.points[0], hand.points[1], GivenUp(hand.plays));
    EXPECT_TRUE(has(line)) << line << "\n" << text;
    for (const ReviewedPlay& play : hand.plays) {
      const engine::PlayJudgement& made = play.Made();
      const std::string card =
          CardWords(cards, play.before.hands[0][made.move.handIndex], options.deck);
      if (made.givenUp <= 0) {
        EXPECT_TRUE(has("best   play " + std::to_string(play.play + 1) + ": " + card)) << text;
        continue;
      }
      ++costly;
      std::snprintf(line, sizeof line, "-%.2f  play %d: ", made.givenUp, play.play + 1);
      EXPECT_TRUE(has(line + card)) << line << card << "\n" << text;
      const engine::Move& best = play.judged.front().move;
      EXPECT_TRUE(has("better: " + CardWords(cards, play.before.hands[0][best.handIndex],
                                             options.deck)))
          << text;
      EXPECT_TRUE(has(MadeReasonWords(made))) << text;
    }
    total += GivenUp(hand.plays);
  }
  // The beginner's faults give the review something to say.
  EXPECT_GT(costly, 0);
  char all[96];
  std::snprintf(all, sizeof all, "In all: %.2f points given up in 2 hands, over 18 plays", total);
  EXPECT_TRUE(has(all)) << all << "\n" << text;
}

}  // namespace
}  // namespace verlano
