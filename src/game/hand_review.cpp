#include "game/hand_review.h"

#include "engine/deal_position.h"
#include "engine/engine_rules.h"
#include "engine/find_play.h"
#include "game/judgement_words.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kHumanSeat = 0;

engine::CardSet TakenSet(const LastCapture& cards) {
  engine::CardSet set = 0;
  for (int t = 0; t < cards.TakenCount; ++t)
    set |= engine::Bit(cards.Taken[static_cast<std::size_t>(t)]);
  return set;
}

}  // namespace

void HandReview::Start(const Game& game) {
  const DealState& deal = game.deal;
  if (started_ && deal.ShuffledCards == pack_ && deal.DealOrder[0] == leader_) return;
  // A new match, told by totals that went back: its count starts afresh.
  const std::array<int, 2> totals = {game.match.OurMatchTotal, game.match.TheirMatchTotal};
  if (Ready()) {
    matchGivenUp_ += GivenUp(plays_);
    ++matchHands_;
  }
  if (totals[0] < totals_[0] || totals[1] < totals_[1]) {
    matchHands_ = 0;
    matchGivenUp_ = 0;
  }
  totals_ = totals;
  pack_ = deal.ShuffledCards;
  leader_ = deal.DealOrder[0];
  started_ = true;
  // The hand again from its deal, play by play as its story tells it.
  engine::Pack pack{};
  for (std::size_t i = 0; i < pack.size(); ++i) pack[i] = static_cast<std::int8_t>(pack_[i]);
  engine::Position p = engine::DealFrom(engine::RulesOf(game.settings.Rules), leader_, pack);
  std::vector<Turn> turns;
  for (int n = LoggedPlays(game.playLog) - 1; n >= 0; --n) {
    const PlayLine& line = PlayFromNewest(game.playLog, n);
    engine::Move move;
    if (engine::FindPlay(p, line.Seat, line.Cards.Taker, TakenSet(line.Cards), move) !=
        engine::PlayFault::None) {
      break;
    }
    const int play = LoggedPlays(game.playLog) - 1 - n;
    if (line.Seat == kHumanSeat) turns.push_back({play, p, move});
    engine::ApplyMove(p, move);
  }
  plays_.clear();
  ready_ = false;
  job_.Start([this, turns = std::move(turns)] {
    std::vector<ReviewedPlay> plays;
    for (const Turn& turn : turns) {
      plays.push_back(JudgePlay(judge_, turn.play, turn.before, turn.move));
    }
    WorstFirst(plays);
    return plays;
  });
}

bool HandReview::Ready() {
  if (std::optional<std::vector<ReviewedPlay>> plays = job_.Take()) {
    plays_ = std::move(*plays);
    ready_ = true;
  }
  return ready_;
}

double HandReview::MatchGivenUp() const {
  return matchGivenUp_ + (ready_ ? GivenUp(plays_) : 0);
}

int HandReview::HandsReviewed() const {
  return matchHands_ + (ready_ ? 1 : 0);
}

ReviewCards CardsOf(const engine::Position& p, const engine::Move& move) {
  ReviewCards cards{.Card = p.hands[p.toPlay][move.handIndex], .TakenCount = move.count};
  for (int k = 0; k < move.count && k < kReviewTaken; ++k) {
    cards.Taken[static_cast<std::size_t>(k)] = p.table[move.positions[k]];
  }
  return cards;
}

ReviewSheet ReviewSheetOf(HandReview& review) {
  ReviewSheet sheet;
  sheet.Open = true;
  sheet.Ready = review.Ready();
  if (!sheet.Ready) return sheet;
  for (const ReviewedPlay& play : review.Plays()) {
    const engine::PlayJudgement& made = play.Made();
    ReviewRow row;
    row.Played = CardsOf(play.before, made.move);
    row.GivenUp = made.givenUp;
    row.Reason = MadeReasonWords(made);
    if (made.givenUp > 0) row.Best = CardsOf(play.before, play.judged.front().move);
    sheet.Rows.push_back(std::move(row));
  }
  sheet.HandGivenUp = review.HandGivenUp();
  sheet.MatchGivenUp = review.MatchGivenUp();
  sheet.HandsReviewed = review.HandsReviewed();
  return sheet;
}

}  // namespace verlano
