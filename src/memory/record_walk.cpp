#include "memory/record_walk.h"

#include <bit>

#include "engine/deal_position.h"
#include "engine/find_play.h"
#include "engine/hand_score.h"

namespace verlano {

namespace {

engine::CardSet TakenSet(const RecordedPlay& play) {
  engine::CardSet set = 0;
  for (int i = 0; i < play.takenCount; ++i) {
    set |= engine::Bit(play.taken[static_cast<std::size_t>(i)]);
  }
  return set;
}

// The engine's move for the recorded play, when it is legal in `p`.
std::string FindMove(const engine::Position& p, const RecordedPlay& play, engine::Move& found) {
  const engine::CardSet taken = TakenSet(play);
  // A card named twice among the taken is no capture, though its set may be.
  const engine::PlayFault fault = std::popcount(taken) != play.takenCount
                                      ? engine::PlayFault::NotLegal
                                      : engine::FindPlay(p, play.seat, play.card, taken, found);
  const std::string seat = "seat " + std::to_string(play.seat);
  switch (fault) {
    case engine::PlayFault::None:
      return "";
    case engine::PlayFault::NotItsTurn:
      return seat + " plays where seat " + std::to_string(p.toPlay) + " is to play";
    case engine::PlayFault::NotHeld:
      return seat + " does not hold the card";
    case engine::PlayFault::NotLegal:
      break;
  }
  return "the cards it takes are not a capture the rules allow there";
}

engine::Position DealOf(const engine::EngineRules& rules, const RecordedHand& hand) {
  engine::Pack pack{};
  for (std::size_t i = 0; i < pack.size(); ++i) pack[i] = static_cast<std::int8_t>(hand.pack[i]);
  return engine::DealFrom(rules, hand.leader, pack);
}

}  // namespace

std::string WalkRecord(const MatchRecord& record, RecordWalker& walker) {
  Settings settings;
  Layout layout;
  ApplyOptions(record.options, settings, layout);
  const engine::EngineRules rules = engine::RulesOf(settings.Rules);
  const int handPlays = engine::kSeats * rules.cardsPerHand;
  std::array<int, 2> totals{};
  MatchResult result = MatchResult::None;
  int previousLeader = 0;
  const int hands = static_cast<int>(record.hands.size());
  for (int h = 0; h < hands; ++h) {
    const RecordedHand& hand = record.hands[static_cast<std::size_t>(h)];
    const std::string where = "hand " + std::to_string(h + 1);
    if (result == MatchResult::Won || result == MatchResult::Lost) {
      return where + " follows the hand that decided the match";
    }
    // The lead passes to the next seat each hand: another leader would tell
    // the plays of other seats than the ones that made them.
    const int lead = h == 0 ? hand.leader : (previousLeader + 1) % engine::kSeats;
    if (hand.leader != lead) {
      return where + " is led by seat " + std::to_string(hand.leader) + " where the lead is seat " +
             std::to_string(lead) + "'s";
    }
    previousLeader = hand.leader;
    if (hand.playCount > handPlays || (hand.playCount < handPlays && h + 1 < hands)) {
      return where + " has " + std::to_string(hand.playCount) + " plays where a hand has " +
             std::to_string(handPlays);
    }
    engine::Position p = DealOf(rules, hand);
    for (int n = 0; n < hand.playCount; ++n) {
      engine::Move move;
      const std::string problem = FindMove(p, hand.plays[static_cast<std::size_t>(n)], move);
      if (!problem.empty()) return where + ", play " + std::to_string(n + 1) + ": " + problem;
      walker.BeforePlay(h, n, p, move);
      engine::ApplyMove(p, move);
    }
    // A match left during a hand ends with that hand unfinished, unscored.
    const bool finished = hand.playCount == handPlays;
    const HandScore score = finished ? engine::ScorePosition(p) : HandScore{};
    if (finished) {
      totals[0] += score.We.Total;
      totals[1] += score.They.Total;
      result = MatchResultOf(totals[0], totals[1], rules.matchTarget);
    }
    walker.HandEnded({.hand = h,
                      .end = p,
                      .finished = finished,
                      .score = score,
                      .totals = totals,
                      .result = result});
    if (!finished) break;
  }
  return "";
}

std::string OutcomeOf(const MatchRecord& record, RecordOutcome& outcome) {
  class Totals : public RecordWalker {
   public:
    explicit Totals(RecordOutcome& outcome) : outcome_(outcome) {}
    void BeforePlay(int, int, const engine::Position&, const engine::Move&) override {}
    void HandEnded(const WalkedHand& hand) override {
      outcome_ = {.hands = hand.hand + 1, .totals = hand.totals, .result = hand.result};
    }

   private:
    RecordOutcome& outcome_;
  };
  outcome = {};
  Totals totals(outcome);
  return WalkRecord(record, totals);
}

}  // namespace verlano
