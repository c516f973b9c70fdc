#include "sim/replay.h"

#include <bit>

#include "memory/record_walk.h"
#include "sim/record_file.h"
#include "sim/result_lines.h"

namespace verlano::sim {

namespace {

// Prints the lines `play` printed for each hand and for the match's end.
class ReplayLines : public RecordWalker {
 public:
  ReplayLines(int match, std::ostream& out) : match_(match), out_(out) {}

  void BeforePlay(int, int, const engine::Position&, const engine::Move&) override {}

  void HandEnded(const WalkedHand& hand) override {
    if (!hand.finished) return;
    PrintHandLine(out_, {.match = match_,
                         .hand = hand.hand + 1,
                         .score = hand.score,
                         .ourCards = std::popcount(hand.end.taken[0]),
                         .theirCards = std::popcount(hand.end.taken[1]),
                         .ourTotal = hand.totals[0],
                         .theirTotal = hand.totals[1]});
    if (hand.result == MatchResult::Won || hand.result == MatchResult::Lost) {
      PrintMatchLine(out_, match_, hand.result == MatchResult::Won, hand.hand + 1, hand.totals[0],
                     hand.totals[1]);
    }
  }

 private:
  int match_;
  std::ostream& out_;
};

}  // namespace

std::string ReplayMatch(const MatchRecord& record, int match, std::ostream& out) {
  ReplayLines lines(match, out);
  return WalkRecord(record, lines);
}

int RunReplay(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  if (files.empty()) {
    err << "verlano-sim replay: a record file is required\n";
    return 2;
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    MatchRecord record;
    std::string problem = ReadRecordFile(files[i], record);
    if (problem.empty()) problem = ReplayMatch(record, static_cast<int>(i) + 1, out);
    if (!problem.empty()) {
      err << "verlano-sim replay: " << files[i] << ": " << problem << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace verlano::sim
