#include "sim/review.h"

#include <algorithm>
#include <cstdio>

#include "engine/match.h"
#include "game/judgement_words.h"
#include "game/play_review.h"
#include "rules/cards.h"
#include "sim/record_walk.h"

namespace verlano::sim {

namespace {

std::string Points(double points) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", points);
  return text;
}

class Reviewer : public RecordWalker {
 public:
  Reviewer(int seat, const engine::JudgeSettings& settings, std::ostream& out, ReviewTimes* times)
      : seat_(seat), judge_(settings), out_(out), times_(times) {
    BuildCardNames(cards_);
  }

  void BeforePlay(int /*hand*/, int play, const engine::Position& position,
                  const engine::Move& move) override {
    if (position.toPlay != seat_) return;
    const double start = engine::ThreadCpuMs();
    ReviewedPlay reviewed = JudgePlay(judge_, play, position, move);
    const double took = engine::ThreadCpuMs() - start;
    handMs_ += took;
    if (times_ != nullptr) times_->judgements.push_back(took);
    plays_.push_back(std::move(reviewed));
  }

  void HandEnded(const WalkedHand& hand) override {
    WorstFirst(plays_);
    for (const ReviewedPlay& play : plays_) PrintPlay(hand.hand, play);
    const double handGivenUp = GivenUp(plays_);
    matchGivenUp_ += handGivenUp;
    out_ << "review hand " << hand.hand + 1 << " seat " << seat_ << " plays " << plays_.size()
         << " given-up " << Points(handGivenUp) << " margin " << MarginOf(hand)
         << " match-given-up " << Points(matchGivenUp_) << '\n';
    plays_.clear();
    if (times_ != nullptr) times_->hands.push_back(handMs_);
    handMs_ = 0;
  }

 private:
  // The seat's side's hand points minus the other side's; "-" for a hand left unfinished.
  std::string MarginOf(const WalkedHand& hand) const {
    if (!hand.finished) return "-";
    const int margin = hand.score.We.Total - hand.score.They.Total;
    return std::to_string(engine::SideOf(seat_) == 0 ? margin : -margin);
  }

  // "card 7D took 7C,AS" for a move of the position's seat to play ("took -": laid down).
  std::string Cards(const engine::Position& p, const engine::Move& move) const {
    std::string text = "card " + CardCode(cards_, p.hands[p.toPlay][move.handIndex]) + " took ";
    if (move.count == 0 || p.tableCount == 0) return text + "-";
    for (int k = 0; k < move.count; ++k) {
      text += (k > 0 ? "," : "") + CardCode(cards_, p.table[move.positions[k]]);
    }
    return text;
  }

  void PrintPlay(int hand, const ReviewedPlay& play) const {
    const engine::PlayJudgement& made = play.judged[play.played];
    out_ << "review hand " << hand + 1 << " play " << play.play + 1 << " seat " << seat_ << ' '
         << Cards(play.before, made.move) << " given-up " << Points(made.givenUp) << " reason "
         << ReasonWords(made.reason) << '\n';
    for (std::size_t i = 0; i < play.judged.size(); ++i) {
      const engine::PlayJudgement& j = play.judged[i];
      out_ << (i == play.played ? "  played " : "  option ") << Cards(play.before, j.move)
           << " points " << Points(j.points) << " given-up " << Points(j.givenUp) << " reason "
           << ReasonWords(j.reason) << '\n';
    }
  }

  int seat_;
  engine::Judge judge_;
  std::ostream& out_;
  CardTables cards_;
  ReviewTimes* times_;
  std::vector<ReviewedPlay> plays_;
  double matchGivenUp_ = 0;
  double handMs_ = 0;
};

// "median M ms worst W ms" of the times.
std::string Spread(std::vector<double> ms) {
  if (ms.empty()) return "none";
  std::ranges::sort(ms);
  return "median " + Points(ms[ms.size() / 2]) + " ms worst " + Points(ms.back()) + " ms";
}

}  // namespace

std::string ReviewMatch(const MatchRecord& record, int seat, const engine::JudgeSettings& settings,
                        std::ostream& out, ReviewTimes* times) {
  Reviewer reviewer(seat, settings, out, times);
  return WalkRecord(record, reviewer);
}

int RunReview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  int seat = 0;
  bool timed = false;
  bool understood = !args.empty();
  for (std::size_t i = 1; i < args.size() && understood; ++i) {
    if (args[i] == "--times") {
      timed = true;
    } else if (args[i] == "--seat" && i + 1 < args.size() && args[i + 1].size() == 1 &&
               args[i + 1][0] >= '0' && args[i + 1][0] <= '3') {
      seat = args[++i][0] - '0';
    } else {
      understood = false;
    }
  }
  if (!understood) {
    err << "verlano-sim review: a record file, then --seat 0..3 and --times if wanted\n";
    return 2;
  }
  MatchRecord record;
  ReviewTimes times;
  std::string problem = ReadRecordFile(args[0], record);
  if (problem.empty()) problem = ReviewMatch(record, seat, {}, out, timed ? &times : nullptr);
  if (!problem.empty()) {
    err << "verlano-sim review: " << args[0] << ": " << problem << "\n";
    return 1;
  }
  if (timed) {
    out << "review times judgements " << times.judgements.size() << ' ' << Spread(times.judgements)
        << " hands " << times.hands.size() << ' ' << Spread(times.hands) << '\n';
  }
  return 0;
}

}  // namespace verlano::sim
