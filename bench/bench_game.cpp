// From Play to the first frame: unpacking the res077.pak beside this program,
// starting the run (sounds and pictures decoded into memory, the first deal,
// the unpacked files removed) and the first frame. On the headless platform
// with pixels kept, and on SDL's dummy drivers, which add the window, the
// renderer and decoding the sounds.

#include <benchmark/benchmark.h>

#include <memory>

#include "bench_sdl_platform.h"
#include "platform/headless_platform.h"
#include "unpacked_archive.h"

namespace verlano::bench {
namespace {

template <class MakePlatform>
void StartUp(benchmark::State& state, MakePlatform make, const char* label) {
  for (auto _ : state) {
    const std::unique_ptr<Platform> platform = make();
    std::optional<ResourceFolder> files = UnpackBesideProgram(state);
    if (!files) return;
    GameRun run(Options{}, 1, *platform, std::move(*files));
    if (!StartRun(run)) {
      state.SkipWithError("the run did not start");
      return;
    }
    GameFrame(run);
    state.PauseTiming();
    QuitGame(run);
    state.ResumeTiming();
  }
  state.SetLabel(label);
}

void BM_PlayToFirstFrame_Headless(benchmark::State& state) {
  StartUp(
      state, [] { return std::make_unique<HeadlessPlatform>(true); }, "headless, pixels kept");
}
BENCHMARK(BM_PlayToFirstFrame_Headless)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PlayToFirstFrame_SdlDummy(benchmark::State& state) {
  UseDummyDrivers();
  StartUp(
      state, [] { return std::make_unique<SdlPlatform>(); }, "SDL dummy video and audio");
}
BENCHMARK(BM_PlayToFirstFrame_SdlDummy)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace verlano::bench

BENCHMARK_MAIN();
