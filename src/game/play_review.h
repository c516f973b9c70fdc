#pragma once
// One play of a seat's, judged as the coach judges it: every legal play of
// the position it was made in, weighed on what the seat had seen, and which
// of them was made. Each judgement is seeded from what the seat saw, so the
// game's review page and `verlano-sim review` of the same record give the
// same numbers, and the same turn met again is judged the same.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/judgement.h"
#include "engine/position.h"

namespace verlano {

struct ReviewedPlay {
  int play = 0;                               // counted from 0 in its hand
  std::size_t played = 0;                     // the play made, among `judged`
  std::vector<engine::PlayJudgement> judged;  // best first
  engine::Position before;                    // where it was made

  const engine::PlayJudgement& Made() const { return judged[played]; }
};

// Judges `move`, made in `before` as play `play` (from 0) of its hand.
ReviewedPlay JudgePlay(engine::Judge& judge, int play, const engine::Position& before,
                       const engine::Move& move);

// The judgement's seed for a turn: a mix of what the seat to play sees.
std::uint64_t SeenSeed(const engine::Position& position);

// The plays that gave up most first; on equal points the earlier play.
void WorstFirst(std::vector<ReviewedPlay>& plays);

// The points the plays gave up, added.
double GivenUp(const std::vector<ReviewedPlay>& plays);

}  // namespace verlano
