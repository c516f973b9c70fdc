#pragma once
// verlano-sim review FILE [--seat K]: the coach's review of one seat's plays
// in a recorded match. Every play of the seat is judged on what the seat saw
// when it made it (every legal play's expected points, what the one played
// gave up and why), worst plays first within each hand, with the hand's and
// the match's points given up. Each judgement's seed comes from what the
// seat saw, so the review of a record repeats exactly.

#include <ostream>
#include <string>
#include <vector>

#include "engine/judgement.h"
#include "memory/match_record.h"

namespace verlano::sim {

// The CPU time of each judgement and of each hand's judgements, in ms.
struct ReviewTimes {
  std::vector<double> judgements;
  std::vector<double> hands;
};

// Reviews `seat`'s plays; "" or what is wrong with the record. `times`,
// when given, gets what each judgement and each hand took.
std::string ReviewMatch(const MatchRecord& record, int seat, const engine::JudgeSettings& settings,
                        std::ostream& out, ReviewTimes* times = nullptr);

// The command, `FILE [--seat K] [--times]`: `--times` adds a last line with
// the median and worst CPU time of a judgement and of a hand. Exit 0, 1 with
// one line when the record cannot be read or holds a play that is not legal,
// 2 on a bad command line.
int RunReview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace verlano::sim
