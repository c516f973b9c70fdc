#pragma once
// A game played by the computer players' flow up to the human's first turn,
// the quiet moment a match file is written at.

#include <cstdint>

#include "game/quiet_moment.h"
#include "game/state_machine.h"
#include "rules/game.h"

namespace verlano::test {

inline void PlayToQuietMoment(Game& game) {
  SetMatchTarget(game);
  DealHand(game);
  std::uint64_t tick = 0;
  while (!IsQuietMoment(game)) StepGameState(game, tick += 16);
}

}  // namespace verlano::test
