#pragma once
// Driving the play state machine without a display: a game of a chosen
// variant, a fake clock moving 16 ms a step, and helpers that step until a
// condition holds while recording the states passed through.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "game/seat_search.h"
#include "game/state_machine.h"
#include "rules/game.h"

namespace verlano::test {

class FlowHarness {
 public:
  explicit FlowHarness(const Options& options, std::uint64_t seed = 3, SoundOut* sound = nullptr)
      : game(options, seed, sound) {}

  // One step; the state is recorded when it changes.
  void Step() {
    StepGameState(game, clock);
    clock += 16;
    const PlayState s = game.turn.GameState;
    if (states.empty() || states.back() != s) states.push_back(s);
  }

  // Steps until `done` holds; fails the test after `limit` steps. The steps
  // made while `search` runs do not count: a loaded machine may let a worker
  // search take any number of them.
  bool StepUntil(const std::function<bool()>& done, int limit = 20000,
                 const SeatSearch* search = nullptr) {
    for (int i = 0; i < limit;) {
      if (done()) return true;
      if (search == nullptr || !search->Running()) ++i;
      Step();
    }
    ADD_FAILURE() << "still in " << StateName(game.turn.GameState) << " after " << limit
                  << " steps";
    return false;
  }

  // The recorded states without the timed pauses between them.
  std::vector<PlayState> StatesWithoutPauses() const {
    std::vector<PlayState> out;
    for (PlayState s : states) {
      if (s != PlayState::Paused && (out.empty() || out.back() != s)) out.push_back(s);
    }
    return out;
  }

  Game game;
  std::uint64_t clock = 1000;
  std::vector<PlayState> states;
};

}  // namespace verlano::test
