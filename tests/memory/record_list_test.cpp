// The records as the Statistics tab lists and reviews them: only whole,
// possible records, newest first; a damaged one and one holding a play the
// rules do not allow each said in a line and kept aside; a link left alone.
// A review told to stop judges no more plays but still walks every hand, also
// when told from another thread while it runs.

#include "memory/record_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "common/beginner_record.h"
#include "game/background_job.h"
#include "memory/record_review.h"
#include "memory/temp_folder.h"

namespace verlano {
namespace {

namespace fs = std::filesystem;

TEST(RecordList, OnlyWholePossibleRecordsAreListedAndTheRestKeptAside) {
  test::TempFolder root;
  std::string note;
  const GameFolder folder = GameFolder::Open(root.Path() + "/matches", note);
  ASSERT_TRUE(folder.Usable()) << note;
  CardTables cards;
  BuildCardNames(cards);
  Options romane;
  romane.variant = Variant::Romane;
  const MatchRecord good = test::BeginnerRecord(romane, 2, 11);
  const std::string dir = root.Path() + "/matches/";
  auto write = [&](const std::string& name, const std::string& text, int secondsAgo) {
    ASSERT_EQ(folder.Write(name, text), std::error_code()) << name;
    fs::last_write_time(dir + name,
                        fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
  };
  write("match-20261208-100000.rec", WriteRecord(good, cards), 30);
  write("match-20261208-110000.rec", "verlano-record 1\nplay.1.1 seat=9\n", 20);
  // Well formed, but its first play is made by a seat not on turn.
  MatchRecord impossible = good;
  impossible.hands[0].plays[0].seat = (impossible.hands[0].leader + 1) % 4;
  write("match-20261208-120000.rec", WriteRecord(impossible, cards), 10);
  const MatchRecord newer = test::BeginnerRecord(romane, 1, 12);
  write("match-20261208-130000.rec", WriteRecord(newer, cards), 0);
  fs::create_symlink(dir + "match-20261208-100000.rec", dir + "match-20261208-140000.rec");

  std::vector<std::string> said;
  const std::vector<ListedRecord> listed =
      ListRecords(folder, cards, [&](const std::string& line) { said.push_back(line); });
  ASSERT_EQ(listed.size(), 2U);
  EXPECT_EQ(listed[0].name, "match-20261208-130000.rec");
  EXPECT_EQ(listed[1].name, "match-20261208-100000.rec");
  EXPECT_EQ(WriteRecord(listed[1].record, cards), WriteRecord(good, cards));
  EXPECT_EQ(listed[1].outcome.hands, 2);
  EXPECT_EQ(listed[0].outcome.hands, 1);
  EXPECT_GT(listed[1].outcome.totals[0] + listed[1].outcome.totals[1], 0);
  ASSERT_EQ(said.size(), 2U);
  EXPECT_NE(said[0].find("match-20261208-120000.rec cannot be replayed: hand 1, play 1: seat"),
            std::string::npos)
      << said[0];
  EXPECT_NE(said[1].find("match-20261208-110000.rec cannot be read"), std::string::npos)
      << said[1];
  EXPECT_TRUE(fs::exists(dir + "match-20261208-110000.rec.bad"));
  EXPECT_TRUE(fs::exists(dir + "match-20261208-120000.rec.bad"));
  EXPECT_TRUE(fs::is_symlink(dir + "match-20261208-140000.rec"));

  // The review of the listed record judges every play of seat 0's, unless stopped.
  engine::Judge judge;
  RecordReview review;
  ASSERT_EQ(ReviewRecord(good, 0, judge, review), "");
  ASSERT_EQ(review.hands.size(), 2U);
  EXPECT_EQ(review.hands[1].totals, listed[1].outcome.totals);
  for (const ReviewedHand& hand : review.hands) {
    EXPECT_TRUE(hand.finished);
    EXPECT_EQ(hand.plays.size(), 10U);  // ten cards a seat in Romane
    EXPECT_EQ(hand.judgementMs.size(), hand.plays.size());
    for (std::size_t i = 1; i < hand.plays.size(); ++i) {
      EXPECT_GE(hand.plays[i - 1].Made().givenUp, hand.plays[i].Made().givenUp);
    }
  }
  const std::atomic<bool> stop{true};
  ASSERT_EQ(ReviewRecord(good, 0, judge, review, &stop), "");
  ASSERT_EQ(review.hands.size(), 2U);
  EXPECT_TRUE(review.hands[0].plays.empty());
  EXPECT_EQ(review.hands[1].totals, listed[1].outcome.totals);
}

// As the Statistics tab's window runs it: on a worker, told to stop from the
// dialog's thread (ThreadSanitizer runs this case too).
TEST(RecordReviewJob, AReviewOnItsWorkerStopsWhenToldAndStillWalksEveryHand) {
  const MatchRecord record = test::BeginnerRecord(Options{}, 2, 5);
  std::atomic<bool> stop{false};
  BackgroundJob<RecordReview> job(false);
  job.Start([&record, &stop] {
    engine::Judge judge;
    RecordReview review;
    EXPECT_EQ(ReviewRecord(record, 0, judge, review, &stop), "");
    return review;
  });
  stop = true;
  std::optional<RecordReview> review;
  while (!(review = job.Take())) std::this_thread::yield();
  ASSERT_EQ(review->hands.size(), 2U);
  for (const ReviewedHand& hand : review->hands) {
    EXPECT_TRUE(hand.finished);
    EXPECT_LE(hand.plays.size(), 9U);
  }
}

}  // namespace
}  // namespace verlano
