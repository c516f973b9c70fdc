#include "sim/replay.h"

#include <bit>

#include "engine/captures.h"
#include "engine/deal_position.h"
#include "engine/hand_score.h"
#include "files/read_file.h"
#include "memory/records.h"
#include "sim/result_lines.h"

namespace verlano::sim {

namespace {

// Far more than a record of the longest match.
constexpr std::size_t kLongestRecord = 1 << 20;

engine::CardSet Bit(int card) {
  return engine::CardSet{1} << card;
}

engine::CardSet TakenSet(const RecordedPlay& play) {
  engine::CardSet set = 0;
  for (int i = 0; i < play.takenCount; ++i) set |= Bit(play.taken[static_cast<std::size_t>(i)]);
  return set;
}

// The engine's move for the recorded play, when it is legal in `p`.
std::string FindMove(const engine::Position& p, const RecordedPlay& play, engine::Move& found) {
  if (play.seat != p.toPlay) {
    return "seat " + std::to_string(play.seat) + " plays where seat " + std::to_string(p.toPlay) +
           " is to play";
  }
  int handIndex = -1;
  for (int i = 0; i < p.handCount[play.seat]; ++i) {
    if (p.hands[play.seat][i] == play.card) handIndex = i;
  }
  if (handIndex < 0) return "seat " + std::to_string(play.seat) + " does not hold the card";
  const engine::CardSet wanted = TakenSet(play);
  bool legal = false;
  engine::ForEachCapture(p, handIndex, [&](const engine::Move& move) {
    engine::CardSet taken = 0;
    for (int i = 0; i < move.count; ++i) taken |= Bit(p.table[move.positions[i]]);
    if (taken == wanted && std::popcount(taken) == play.takenCount && !legal) {
      found = move;
      legal = true;
    }
  });
  return legal ? "" : "the cards it takes are not a capture the rules allow there";
}

}  // namespace

std::string ReplayMatch(const MatchRecord& record, int match, std::ostream& out) {
  Settings settings;
  Layout layout;
  ApplyOptions(record.options, settings, layout);
  const engine::EngineRules rules = engine::RulesOf(settings.Rules);
  const int handPlays = 4 * rules.cardsPerHand;
  std::array<int, 2> totals{};
  MatchResult result = MatchResult::None;
  const int hands = static_cast<int>(record.hands.size());
  for (int h = 0; h < hands; ++h) {
    const RecordedHand& hand = record.hands[static_cast<std::size_t>(h)];
    const std::string where = "hand " + std::to_string(h + 1);
    if (result == MatchResult::Won || result == MatchResult::Lost) {
      return where + " follows the hand that decided the match";
    }
    if (hand.playCount > handPlays || (hand.playCount < handPlays && h + 1 < hands)) {
      return where + " has " + std::to_string(hand.playCount) + " plays where a hand has " +
             std::to_string(handPlays);
    }
    engine::Pack pack{};
    for (int i = 0; i < engine::kPackCards; ++i) {
      pack[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(hand.pack[static_cast<std::size_t>(i)]);
    }
    engine::Position p = engine::DealFrom(rules, hand.leader, pack);
    for (int n = 0; n < hand.playCount; ++n) {
      engine::Move move;
      const std::string problem = FindMove(p, hand.plays[static_cast<std::size_t>(n)], move);
      if (!problem.empty()) return where + ", play " + std::to_string(n + 1) + ": " + problem;
      engine::ApplyMove(p, move);
    }
    // A match left during a hand ends with that hand unfinished, unscored.
    if (hand.playCount < handPlays) break;
    const HandScore score = engine::ScorePosition(p);
    totals[0] += score.We.Total;
    totals[1] += score.They.Total;
    PrintHandLine(out, {.match = match,
                        .hand = h + 1,
                        .score = score,
                        .ourCards = std::popcount(p.taken[0]),
                        .theirCards = std::popcount(p.taken[1]),
                        .ourTotal = totals[0],
                        .theirTotal = totals[1]});
    result = MatchResultOf(totals[0], totals[1], rules.matchTarget);
    if (result == MatchResult::Won || result == MatchResult::Lost) {
      PrintMatchLine(out, match, result == MatchResult::Won, h + 1, totals[0], totals[1]);
    }
  }
  return "";
}

int RunReplay(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  if (files.empty()) {
    err << "verlano-sim replay: a record file is required\n";
    return 2;
  }
  CardTables cards;
  BuildCardNames(cards);
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::string text;
    std::string problem;
    if (const std::error_code ec = ReadSmallFile(files[i], kLongestRecord, text)) {
      problem = ec.message();
    } else {
      try {
        problem = ReplayMatch(ReadRecord(text, cards), static_cast<int>(i) + 1, out);
      } catch (const RecordError& e) {
        problem = e.what();
      }
    }
    if (!problem.empty()) {
      err << "verlano-sim replay: " << files[i] << ": " << problem << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace verlano::sim
