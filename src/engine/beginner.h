#pragma once
// The beginner: the classic player's way of weighing plays, with a newcomer's
// faults. It remembers only some of the cards gone, may overlook a sum of
// three or four table cards, and believes every capture safe, so it takes
// whatever it sees rather than lay a card down. Its lapses come from the seed
// it is given, so the same seed and the same view give the same play.

#include <cstdint>
#include <vector>

#include "engine/classic_policy.h"
#include "engine/position.h"

namespace verlano::engine {

struct BeginnerSettings {
  int rememberOneIn = 2;   // a card gone is remembered one time in this many
  int overlookOneIn = 3;   // a sum of three or more cards is missed one time in this many
  float greedBonus = 500;  // what a capture gains over a lay-down when it is not safe
};

class BeginnerPlayer {
 public:
  explicit BeginnerPlayer(BeginnerSettings settings = {});

  Move Choose(const Position& position, std::uint64_t seed);

 private:
  BeginnerSettings settings_;
  std::vector<ScoredMove> plays_;
};

}  // namespace verlano::engine
