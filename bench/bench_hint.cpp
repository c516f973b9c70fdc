// Frames with "Show hints" on and H held through every turn of the human,
// expert seats searching beside: the longest `GameFrame` and the 99th
// percentile, read from the game's own frames (the headless platform with
// pixels, keeping real time as a player's run does; seat 0 played by the
// simulator's mouse). Arg 1 is the game as it runs: the hint searched on its
// worker. Arg 0 makes the same frames with the hint's search inside the frame
// that first holds H at a turn, as the game once did, for the figure before.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "game/expert_hint.h"
#include "platform/headless_platform.h"
#include "sim/auto_player.h"
#include "unpacked_archive.h"

namespace verlano::bench {
namespace {

constexpr int kHands = 3;

void BM_FramesWithHintHeld(benchmark::State& state) {
  const bool hintInFrame = state.range(0) == 0;
  std::vector<double> frameMs;
  std::uint64_t seed = 1;
  for (auto _ : state) {
    HeadlessPlatform platform(true, true);
    std::optional<ResourceFolder> files = UnpackBesideProgram(state);
    if (!files) return;
    Options options;
    options.opponents = PlayerLevel::Expert;
    options.partner = PlayerLevel::Expert;
    options.showHints = true;
    GameRun run(options, seed++, platform, std::move(*files));
    if (!StartRun(run)) {
      state.SkipWithError("the run did not start");
      return;
    }
    sim::AutoPlayer human(false);
    ExpertAdvice searchedInFrame;
    int hands = 0;
    bool handOver = false;
    while (run.Running && hands < kHands) {
      if (!human.Prepare(run.game, platform)) break;
      platform.SetKey(kKeyH, !hintInFrame);
      const auto start = std::chrono::steady_clock::now();
      GameFrame(run);
      if (hintInFrame) searchedInFrame.Follow(run.game, true);
      frameMs.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
      const bool over = run.game.turn.GameState == PlayState::HandOver;
      if (over && !handOver) ++hands;
      handOver = over;
    }
    QuitGame(run);
  }
  if (frameMs.empty()) return;
  std::sort(frameMs.begin(), frameMs.end());
  state.counters["frames"] = static_cast<double>(frameMs.size());
  state.counters["longest_ms"] = frameMs.back();
  state.counters["p99_ms"] = frameMs[frameMs.size() * 99 / 100];
  state.counters["p999_ms"] = frameMs[frameMs.size() * 999 / 1000];
  state.SetLabel(hintInFrame ? "hint searched in the frame (before)" : "hint on its worker");
}
BENCHMARK(BM_FramesWithHintHeld)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(4);

}  // namespace
}  // namespace verlano::bench

BENCHMARK_MAIN();
