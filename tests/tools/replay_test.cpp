// Match records, their replay and their review: random legal matches in
// every variant, written and read back whole and replayed hand for hand; a
// seat's plays reviewed worst first with the totals they add up to; every
// kind of damage refused with a reason that names where it is.

#include "sim/replay.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/scratch_files.h"
#include "engine/captures.h"
#include "engine/deal_position.h"
#include "engine/hand_score.h"
#include "memory/match_record.h"
#include "memory/record_review.h"
#include "memory/records.h"
#include "sim/review.h"

namespace verlano::sim {
namespace {

struct Played {
  MatchRecord record;
  std::vector<HandScore> scores;
  MatchResult result = MatchResult::None;
};

CardTables Cards() {
  CardTables cards;
  BuildCardNames(cards);
  return cards;
}

// A whole match of random legal plays on the engine, recorded as the game
// records it; the lead passes `leaderStep` seats a hand (the game's one).
Played RandomMatch(const Options& options, std::uint32_t seed, int leaderStep = 1) {
  Played played;
  played.record.options = options;
  Settings settings;
  Layout layout;
  ApplyOptions(options, settings, layout);
  const engine::EngineRules rules = engine::RulesOf(settings.Rules);
  std::mt19937 rng(seed);
  const CardTables cards = Cards();
  std::vector<int> pack;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (InPlay(cards, card)) pack.push_back(card);
  }
  std::array<int, 2> totals{};
  for (int leader = static_cast<int>(seed % 4);
       played.result == MatchResult::None || played.result == MatchResult::TieOverTarget;
       leader = (leader + leaderStep) % 4) {
    RecordedHand hand;
    hand.leader = leader;
    std::shuffle(pack.begin(), pack.end(), rng);
    engine::Pack dealt{};
    for (std::size_t i = 0; i < pack.size(); ++i) {
      hand.pack[i] = pack[i];
      dealt[i] = static_cast<std::int8_t>(pack[i]);
    }
    engine::Position p = engine::DealFrom(rules, leader, dealt);
    while (!p.HandOver()) {
      std::vector<engine::Move> moves;
      for (int i = 0; i < p.handCount[p.toPlay]; ++i) {
        engine::ForEachCapture(p, i, [&](const engine::Move& m) { moves.push_back(m); });
      }
      const engine::Move move = moves[rng() % moves.size()];
      RecordedPlay& play = hand.plays[static_cast<std::size_t>(hand.playCount++)];
      play.seat = p.toPlay;
      play.card = p.hands[p.toPlay][move.handIndex];
      play.takenCount = move.count;
      for (int i = 0; i < move.count; ++i) play.taken[i] = p.table[move.positions[i]];
      engine::ApplyMove(p, move);
    }
    const HandScore score = engine::ScorePosition(p);
    played.scores.push_back(score);
    totals[0] += score.We.Total;
    totals[1] += score.They.Total;
    played.result = MatchResultOf(totals[0], totals[1], rules.matchTarget);
    played.record.hands.push_back(hand);
  }
  return played;
}

std::vector<Options> EveryVariant() {
  std::vector<Options> all;
  for (const Variant v :
       {Variant::Nine, Variant::Romane, Variant::Napoletane, Variant::UmbriaMarche}) {
    Options o;
    o.variant = v;
    all.push_back(o);
  }
  all.back().extraCoinPoints = true;
  return all;
}

bool SamePlays(const RecordedHand& a, const RecordedHand& b) {
  if (a.leader != b.leader || a.pack != b.pack || a.playCount != b.playCount) return false;
  for (int n = 0; n < a.playCount; ++n) {
    const RecordedPlay& x = a.plays[static_cast<std::size_t>(n)];
    const RecordedPlay& y = b.plays[static_cast<std::size_t>(n)];
    if (x.seat != y.seat || x.card != y.card || x.takenCount != y.takenCount ||
        !std::equal(x.taken.begin(), x.taken.begin() + x.takenCount, y.taken.begin())) {
      return false;
    }
  }
  return true;
}

TEST(MatchRecord, RandomMatchesReadBackWholeAndReplayHandForHand) {
  const CardTables cards = Cards();
  for (const Options& options : EveryVariant()) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
      const Played played = RandomMatch(options, seed);
      const MatchRecord back = ReadRecord(WriteRecord(played.record, cards), cards);
      ASSERT_EQ(back.hands.size(), played.record.hands.size());
      EXPECT_EQ(back.options.variant, options.variant);
      EXPECT_EQ(back.options.extraCoinPoints, options.extraCoinPoints);
      for (std::size_t h = 0; h < back.hands.size(); ++h) {
        ASSERT_TRUE(SamePlays(back.hands[h], played.record.hands[h])) << "hand " << h + 1;
      }
      std::ostringstream out;
      ASSERT_EQ(ReplayMatch(back, 3, out), "");
      // One line a hand with its points and the running totals, then the result.
      std::istringstream lines(out.str());
      std::string line;
      std::array<int, 2> totals{};
      for (std::size_t h = 0; h < played.scores.size(); ++h) {
        const HandScore& s = played.scores[h];
        totals[0] += s.We.Total;
        totals[1] += s.They.Total;
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_TRUE(line.starts_with("match 3 hand " + std::to_string(h + 1) + " we " +
                                     std::to_string(s.We.Total) + " they " +
                                     std::to_string(s.They.Total) + " cards "))
            << line;
        EXPECT_TRUE(line.ends_with(" totals " + std::to_string(totals[0]) + "/" +
                                   std::to_string(totals[1])))
            << line;
      }
      ASSERT_TRUE(std::getline(lines, line));
      EXPECT_EQ(line, "match 3 " + std::string(played.result == MatchResult::Won ? "won" : "lost") +
                          " hands " + std::to_string(played.scores.size()) + " totals " +
                          std::to_string(totals[0]) + "/" + std::to_string(totals[1]));
      EXPECT_FALSE(std::getline(lines, line)) << line;
    }
  }
}

// What the replay says of a record spoilt by `spoil`.
std::string ReplayProblem(void (*spoil)(MatchRecord&)) {
  MatchRecord record = RandomMatch(Options{}, 7).record;
  spoil(record);
  std::ostringstream out;
  return ReplayMatch(record, 1, out);
}

TEST(MatchRecord, ReplayRefusesEveryPlayTheRulesDoNotAllow) {
  EXPECT_EQ(ReplayProblem([](MatchRecord& r) { r.hands[0].plays[1].seat ^= 1; }).substr(0, 15),
            "hand 1, play 2:");
  EXPECT_NE(ReplayProblem([](MatchRecord& r) {
              std::swap(r.hands[1].plays[0], r.hands[1].plays[1]);
            }).find("hand 2, play 1: seat"),
            std::string::npos);
  // A card another seat holds.
  EXPECT_NE(ReplayProblem([](MatchRecord& r) {
              RecordedPlay& p = r.hands[0].plays[0];
              p.card = r.hands[0].plays[1].card;
            }).find("does not hold"),
            std::string::npos);
  // A capture cut short, or a card laid down where it must take.
  EXPECT_NE(ReplayProblem([](MatchRecord& r) {
              for (RecordedPlay& p : r.hands[0].plays) {
                if (p.takenCount > 0) {
                  p.takenCount = 0;
                  return;
                }
              }
            }).find("not a capture the rules allow"),
            std::string::npos);
  EXPECT_NE(ReplayProblem([](MatchRecord& r) {
              r.hands.push_back(r.hands[0]);
            }).find("follows the hand that decided"),
            std::string::npos);
  EXPECT_NE(ReplayProblem([](MatchRecord& r) {
              r.hands[0].playCount -= 1;
            }).find("hand 1 has 35 plays where a hand has 36"),
            std::string::npos);
  // A match left during its last hand replays up to where it was left.
  EXPECT_EQ(ReplayProblem([](MatchRecord& r) { r.hands.back().playCount = 5; }), "");
  // Every play legal, but each hand led by the same seat: its plays are not
  // the seats' the record names, and a review would judge another seat's.
  const MatchRecord stuck = RandomMatch(Options{}, 7, 0).record;
  const int leader = stuck.hands[0].leader;
  std::ostringstream out;
  EXPECT_EQ(ReplayMatch(stuck, 1, out), "hand 2 is led by seat " + std::to_string(leader) +
                                            " where the lead is seat " +
                                            std::to_string((leader + 1) % 4) + "'s");
  engine::Judge judge({.deals = 2, .minDeals = 1});
  RecordReview review;
  EXPECT_NE(ReviewRecord(stuck, 0, judge, review), "");
}

// The numbers of a review line: "given-up G" and the like.
double NumberAfter(const std::string& line, const std::string& key) {
  const std::size_t at = line.find(" " + key + " ");
  EXPECT_NE(at, std::string::npos) << key << " in " << line;
  return std::stod(line.substr(at + key.size() + 2));
}

TEST(MatchRecord, ReviewListsEachPlayOfTheSeatWorstFirstWithTheTotalsItMakes) {
  const Played played = RandomMatch(Options{}, 4);
  const engine::JudgeSettings quick{.deals = 12, .minDeals = 4};
  std::ostringstream out;
  ASSERT_EQ(ReviewMatch(played.record, 3, quick, out), "");
  std::ostringstream again;
  ASSERT_EQ(ReviewMatch(played.record, 3, quick, again), "");
  EXPECT_EQ(again.str(), out.str());
  std::istringstream lines(out.str());
  std::string line;
  std::size_t hand = 0;
  int plays = 0;
  double handSum = 0;
  double matchSum = 0;
  int matchPlays = 0;
  double previous = 1e9;
  while (std::getline(lines, line)) {
    if (line.starts_with("  ")) continue;  // every legal play, checked in the engine's suite
    const std::string handWords = "review hand " + std::to_string(hand + 1) + " ";
    ASSERT_TRUE(line.starts_with(handWords)) << line;
    const double givenUp = NumberAfter(line, "given-up");
    if (line.find(" seat 3 plays ") == std::string::npos) {
      EXPECT_NE(line.find(" seat 3 card "), std::string::npos) << line;
      EXPECT_LE(givenUp, previous) << "worst first: " << line;
      previous = givenUp;
      handSum += givenUp;
      ++plays;
      continue;
    }
    // The hand's line: the seat's nine plays, their sum, the side's margin, the running total.
    const HandScore& s = played.scores[hand];
    EXPECT_EQ(plays, 9) << line;
    // Each printed figure is rounded to 0.005 at most.
    EXPECT_NEAR(givenUp, handSum, 0.005 * (plays + 1)) << line;
    matchSum += handSum;
    matchPlays += plays;
    EXPECT_NEAR(NumberAfter(line, "match-given-up"), matchSum, 0.005 * (matchPlays + 1)) << line;
    EXPECT_EQ(NumberAfter(line, "margin"), s.They.Total - s.We.Total) << line;
    ++hand;
    plays = 0;
    handSum = 0;
    previous = 1e9;
  }
  EXPECT_EQ(hand, played.scores.size());
}

TEST(MatchRecord, ReviewOfASpoiltOrMissingRecordExitsOneWithTheReason) {
  const test::TempDir folder;
  MatchRecord spoilt = RandomMatch(Options{}, 7).record;
  spoilt.hands[0].plays[0].seat ^= 1;
  const std::string path = folder / "spoilt.rec";
  const std::string text = WriteRecord(spoilt, Cards());
  test::WriteFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunReview({path, "--seat", "1"}, out, err), 1);
  EXPECT_EQ(err.str(), "verlano-sim review: " + path + ": hand 1, play 1: seat " +
                           std::to_string(spoilt.hands[0].plays[0].seat) + " plays where seat " +
                           std::to_string(spoilt.hands[0].leader) + " is to play\n");
  std::ostringstream missing;
  EXPECT_EQ(RunReview({folder / "none.rec"}, out, missing), 1);
  EXPECT_TRUE(missing.str().starts_with("verlano-sim review: " + (folder / "none.rec") + ": "))
      << missing.str();
  std::ostringstream usage;
  EXPECT_EQ(RunReview({path, "--seat", "4"}, out, usage), 2);
}

// Anything but a regular file is refused in the words `resume` and the game use.
TEST(MatchRecord, ReplayAndReviewOfAnythingButAFileSayItIsNotARegularFile) {
  const test::TempDir folder;
  const std::string fifo = folder / "fifo.rec";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {folder.path().string(), fifo, std::string("/dev/null")}) {
    std::ostringstream out;
    std::ostringstream replayed;
    EXPECT_EQ(RunReplay({path}, out, replayed), 1);
    EXPECT_EQ(replayed.str(), "verlano-sim replay: " + path + ": it is not a regular file\n");
    std::ostringstream reviewed;
    EXPECT_EQ(RunReview({path}, out, reviewed), 1);
    EXPECT_EQ(reviewed.str(), "verlano-sim review: " + path + ": it is not a regular file\n");
  }
}

TEST(MatchRecord, DamagedTextIsRefusedInOneLine) {
  const CardTables cards = Cards();
  const std::string good = WriteRecord(RandomMatch(Options{}, 3).record, cards);
  const auto refused = [&](const std::string& text) {
    try {
      ReadRecord(text, cards);
    } catch (const RecordError& e) {
      EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos);
      return std::string(e.what());
    }
    return std::string("read");
  };
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  EXPECT_EQ(refused(good), "read");
  EXPECT_NE(refused(good.substr(0, good.size() / 2)), "read") << "cut short";
  EXPECT_NE(refused(replaced("verlano-record 1", "verlano-record 2")), "read");
  EXPECT_NE(refused(replaced("plays=36", "plays=37")), "read") << "a play line missing";
  EXPECT_NE(refused(replaced("plays=36", "plays=35")).find("does not count"), std::string::npos);
  EXPECT_NE(refused(replaced("seat=", "seat=4 x=")), "read");
  EXPECT_NE(refused(replaced("leader=", "leader=9 y=")), "read");
  // More cards than the rules let a capture take, each a card of the pack.
  EXPECT_NE(refused(replaced("taken-count=0 taken=", "taken-count=6 taken=AC,2C,3C,4C,5C,6C"))
                .find("taken-count"),
            std::string::npos);
  // The first pack's first card given twice.
  const std::size_t pack = good.find("pack=") + 5;
  const std::string first = good.substr(pack, good.find(',', pack) - pack);
  const std::size_t second = good.find(',', pack) + 1;
  std::string twice = good;
  twice.replace(second, good.find(',', second) - second, first);
  EXPECT_NE(refused(twice).find("40 cards once over"), std::string::npos);
}

}  // namespace
}  // namespace verlano::sim
