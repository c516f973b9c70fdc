#pragma once
// A recorded match walked on the engine: each hand dealt from its recorded
// pack by its leader, each play found among the plays the rules allow where
// it was made, each finished hand scored and the match totals kept. The
// replay prints what the walk meets, the review judges the plays before they
// are made, so both read a record the same way and refuse the same faults.

#include <array>
#include <string>

#include "engine/position.h"
#include "memory/match_record.h"
#include "rules/scoring.h"

namespace verlano {

// A hand at its end: the position once its last recorded play is made.
struct WalkedHand {
  int hand = 0;  // counted from 0
  const engine::Position& end;
  bool finished = false;        // every play made; the match was not left during it
  const HandScore& score;       // the hand's score, when finished
  std::array<int, 2> totals{};  // the match totals after it
  MatchResult result = MatchResult::None;
};

class RecordWalker {
 public:
  virtual ~RecordWalker() = default;
  // Play `play` (counted from 0) of hand `hand`, legal in `position`, about to be made.
  virtual void BeforePlay(int hand, int play, const engine::Position& position,
                          const engine::Move& move) = 0;
  virtual void HandEnded(const WalkedHand& hand) = 0;
};

// Walks the record; "" or, on the first fault, where it is and what is wrong
// ("hand 2, play 1: seat 3 plays where seat 2 is to play").
std::string WalkRecord(const MatchRecord& record, RecordWalker& walker);

// What a record tells of its match without judging it: for a list of records.
struct RecordOutcome {
  int hands = 0;                // recorded, the last perhaps left unfinished
  std::array<int, 2> totals{};  // after the last finished hand, ours (seats 0 and 2) first
  MatchResult result = MatchResult::None;
};

// The record's outcome; "" or the walk's fault.
std::string OutcomeOf(const MatchRecord& record, RecordOutcome& outcome);

}  // namespace verlano
