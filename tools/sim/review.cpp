#include "sim/review.h"

#include <algorithm>

#include "engine/play_rules.h"
#include "game/judgement_words.h"
#include "game/play_review.h"
#include "memory/record_review.h"
#include "rules/cards.h"
#include "sim/record_file.h"

namespace verlano::sim {

namespace {

// "card 7D took 7C,AS" for a move of the position's seat to play ("took -": laid down).
std::string Cards(const CardTables& cards, const engine::Position& p, const engine::Move& move) {
  std::string text = "card " + CardCode(cards, p.hands[p.toPlay][move.handIndex]) + " took ";
  if (move.count == 0 || p.tableCount == 0) return text + "-";
  for (int k = 0; k < move.count; ++k) {
    text += (k > 0 ? "," : "") + CardCode(cards, p.table[move.positions[k]]);
  }
  return text;
}

void PrintPlay(const CardTables& cards, int hand, int seat, const ReviewedPlay& play,
               std::ostream& out) {
  const engine::PlayJudgement& made = play.Made();
  out << "review hand " << hand + 1 << " play " << play.play + 1 << " seat " << seat << ' '
      << Cards(cards, play.before, made.move) << " given-up " << PointsWords(made.givenUp)
      << " reason " << ReasonWords(made.reason) << '\n';
  for (std::size_t i = 0; i < play.judged.size(); ++i) {
    const engine::PlayJudgement& j = play.judged[i];
    out << (i == play.played ? "  played " : "  option ") << Cards(cards, play.before, j.move)
        << " points " << PointsWords(j.points) << " given-up " << PointsWords(j.givenUp)
        << " reason " << ReasonWords(j.reason) << '\n';
  }
}

// The seat's side's hand points less the other side's.
int Margin(const ReviewedHand& hand, int seat) {
  const int margin = hand.points[0] - hand.points[1];
  return engine::SideOf(seat) == 0 ? margin : -margin;
}

// Each hand's plays, then its line: what it gave up, its margin ("-" for a
// hand left unfinished) and the match's running total.
void PrintReview(const RecordReview& review, int seat, std::ostream& out) {
  CardTables cards;
  BuildCardNames(cards);
  double matchGivenUp = 0;
  for (const ReviewedHand& hand : review.hands) {
    for (const ReviewedPlay& play : hand.plays) PrintPlay(cards, hand.hand, seat, play, out);
    const double handGivenUp = GivenUp(hand.plays);
    matchGivenUp += handGivenUp;
    out << "review hand " << hand.hand + 1 << " seat " << seat << " plays " << hand.plays.size()
        << " given-up " << PointsWords(handGivenUp) << " margin "
        << (hand.finished ? std::to_string(Margin(hand, seat)) : "-") << " match-given-up "
        << PointsWords(matchGivenUp) << '\n';
  }
}

// "median M ms worst W ms" of the times.
std::string Spread(std::vector<double> ms) {
  if (ms.empty()) return "none";
  std::ranges::sort(ms);
  return "median " + PointsWords(ms[ms.size() / 2]) + " ms worst " + PointsWords(ms.back()) + " ms";
}

}  // namespace

std::string ReviewMatch(const MatchRecord& record, int seat, const engine::JudgeSettings& settings,
                        std::ostream& out, ReviewTimes* times) {
  engine::Judge judge(settings);
  RecordReview review;
  const std::string problem = ReviewRecord(record, seat, judge, review);
  // A record with a fault is printed up to the hand before it, as the walk met it.
  PrintReview(review, seat, out);
  if (times != nullptr) {
    for (const ReviewedHand& hand : review.hands) {
      double handMs = 0;
      for (const double ms : hand.judgementMs) handMs += ms;
      times->judgements.insert(times->judgements.end(), hand.judgementMs.begin(),
                               hand.judgementMs.end());
      times->hands.push_back(handMs);
    }
  }
  return problem;
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
