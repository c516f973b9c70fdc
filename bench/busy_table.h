#pragma once
// A busy mid-hand table of the nine-card game with the game's real pictures,
// unpacked from the res077.pak beside the benchmark program and removed again.
// Shared by the benchmarks of the table drawing and of the whole frame.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/screen.h"
#include "render/resource_slots.h"
#include "rules/game.h"

namespace verlano::bench {

inline constexpr TimeOfDay kClock{21, 5};

// The game's pictures; `error` is empty when everything loaded.
struct Pictures {
  ResourceSlots slots;
  std::string error;
};

struct BusyTable {
  BusyTable();
  Game game{Options{}, 7};
  std::unique_ptr<Pictures> pictures;
  Screen screen = MakeScreen(800, 600);
};

// The one busy table of the program, made on first use.
BusyTable& Table();

// False, with the benchmark skipped, when the pictures could not be loaded.
bool Ready(benchmark::State& state);

}  // namespace verlano::bench
