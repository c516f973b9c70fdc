#pragma once
// The coach's review of a recorded match: one seat's plays of every hand
// judged on what the seat saw when it made them, worst first within each
// hand, with the hand's margin for the seat's side. The simulator prints it
// and the Statistics tab shows it, so both say the same of the same record.

#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "engine/judgement.h"
#include "game/play_review.h"
#include "memory/match_record.h"

namespace verlano {

struct ReviewedHand {
  int hand = 0;                     // counted from 0
  std::vector<ReviewedPlay> plays;  // the seat's, worst first
  std::vector<double> judgementMs;  // each judgement's CPU time, in the order made
  bool finished = false;            // every play made; else the match was left during it
  std::array<int, 2> points{};      // the hand's points when finished, ours (seats 0 and 2) first
  std::array<int, 2> totals{};      // the match totals after it, ours (seats 0 and 2) first
};

struct RecordReview {
  std::vector<ReviewedHand> hands;
  MatchResult result = MatchResult::None;  // for seats 0 and 2
};

// Reviews `seat`'s plays of `record` with `judge`; "" or, on the first play
// the rules do not allow, where it is and what is wrong. Once `stop` is set
// no more plays are judged, so a review no one waits for ends soon.
std::string ReviewRecord(const MatchRecord& record, int seat, engine::Judge& judge,
                         RecordReview& review, const std::atomic<bool>* stop = nullptr);

}  // namespace verlano
