#include "sim/review.h"

#include <algorithm>
#include <cstdio>

#include "engine/match.h"
#include "game/judgement_words.h"
#include "rules/cards.h"
#include "sim/record_walk.h"

namespace verlano::sim {

namespace {

struct ReviewedPlay {
  int play = 0;            // counted from 0 in its hand
  std::size_t played = 0;  // the play made, among `judged`
  std::vector<engine::PlayJudgement> judged;
  engine::Position before;
};

bool SameMove(const engine::Move& a, const engine::Move& b) {
  return a.handIndex == b.handIndex && a.count == b.count &&
         std::equal(a.positions.begin(), a.positions.begin() + a.count, b.positions.begin());
}

std::string Points(double points) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", points);
  return text;
}

class Reviewer : public RecordWalker {
 public:
  Reviewer(int seat, const engine::JudgeSettings& settings, std::ostream& out)
      : seat_(seat), judge_(settings), out_(out) {
    BuildCardNames(cards_);
  }

  void BeforePlay(int hand, int play, const engine::Position& position,
                  const engine::Move& move) override {
    if (position.toPlay != seat_) return;
    // Seeds of neighbouring decisions share nothing; 64 is more than a hand's plays.
    const std::uint64_t seed =
        engine::MixSeed(static_cast<std::uint64_t>(hand) * 64 + static_cast<std::uint64_t>(play));
    ReviewedPlay reviewed{.play = play, .judged = judge_.Weigh(position, seed), .before = position};
    const auto found = std::ranges::find_if(
        reviewed.judged, [&](const engine::PlayJudgement& j) { return SameMove(j.move, move); });
    reviewed.played = static_cast<std::size_t>(found - reviewed.judged.begin());
    plays_.push_back(std::move(reviewed));
  }

  void HandEnded(const WalkedHand& hand) override {
    // The worst first; on equal points the earlier play.
    std::ranges::stable_sort(plays_, [](const ReviewedPlay& a, const ReviewedPlay& b) {
      return a.judged[a.played].givenUp > b.judged[b.played].givenUp;
    });
    double handGivenUp = 0;
    for (const ReviewedPlay& play : plays_) {
      PrintPlay(hand.hand, play);
      handGivenUp += play.judged[play.played].givenUp;
    }
    matchGivenUp_ += handGivenUp;
    out_ << "review hand " << hand.hand + 1 << " seat " << seat_ << " plays " << plays_.size()
         << " given-up " << Points(handGivenUp) << " margin " << MarginOf(hand)
         << " match-given-up " << Points(matchGivenUp_) << '\n';
    plays_.clear();
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
  std::vector<ReviewedPlay> plays_;
  double matchGivenUp_ = 0;
};

}  // namespace

std::string ReviewMatch(const MatchRecord& record, int seat, const engine::JudgeSettings& settings,
                        std::ostream& out) {
  Reviewer reviewer(seat, settings, out);
  return WalkRecord(record, reviewer);
}

int RunReview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const bool seatGiven = args.size() == 3 && args[1] == "--seat";
  const bool seatValid = seatGiven && args[2].size() == 1 && args[2][0] >= '0' && args[2][0] <= '3';
  if (args.size() != 1 && !seatValid) {
    err << "verlano-sim review: a record file and at most --seat 0..3 are required\n";
    return 2;
  }
  const int seat = seatValid ? args[2][0] - '0' : 0;
  MatchRecord record;
  std::string problem = ReadRecordFile(args[0], record);
  if (problem.empty()) problem = ReviewMatch(record, seat, {}, out);
  if (!problem.empty()) {
    err << "verlano-sim review: " << args[0] << ": " << problem << "\n";
    return 1;
  }
  return 0;
}

}  // namespace verlano::sim
