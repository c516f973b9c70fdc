#include "memory/record_review.h"

#include "engine/match.h"
#include "memory/record_walk.h"

namespace verlano {

namespace {

class Reviewer : public RecordWalker {
 public:
  Reviewer(int seat, engine::Judge& judge, RecordReview& review, const std::atomic<bool>* stop)
      : seat_(seat), judge_(judge), review_(review), stop_(stop) {}

  void BeforePlay(int /*hand*/, int play, const engine::Position& position,
                  const engine::Move& move) override {
    if (position.toPlay != seat_ || (stop_ != nullptr && stop_->load())) return;
    const double start = engine::ThreadCpuMs();
    hand_.plays.push_back(JudgePlay(judge_, play, position, move));
    hand_.judgementMs.push_back(engine::ThreadCpuMs() - start);
  }

  void HandEnded(const WalkedHand& hand) override {
    hand_.hand = hand.hand;
    hand_.finished = hand.finished;
    if (hand.finished) hand_.points = {hand.score.We.Total, hand.score.They.Total};
    hand_.totals = hand.totals;
    WorstFirst(hand_.plays);
    review_.hands.push_back(std::move(hand_));
    review_.result = hand.result;
    hand_ = {};
  }

 private:
  int seat_;
  engine::Judge& judge_;
  RecordReview& review_;
  const std::atomic<bool>* stop_;
  ReviewedHand hand_;
};

}  // namespace

std::string ReviewRecord(const MatchRecord& record, int seat, engine::Judge& judge,
                         RecordReview& review, const std::atomic<bool>* stop) {
  review = {};
  Reviewer reviewer(seat, judge, review, stop);
  return WalkRecord(record, reviewer);
}

}  // namespace verlano
