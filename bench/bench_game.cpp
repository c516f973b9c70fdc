// From Play to the first frame: unpacking the res077.pak beside this program,
// starting the run (sounds and pictures decoded into memory, the first deal,
// the unpacked files removed) and the first frame. On the headless platform
// with pixels kept, and on SDL's dummy drivers, which add the window, the
// renderer and decoding the sounds.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "bench_sdl_platform.h"
#include "game/game_run.h"
#include "platform/headless_platform.h"
#include "resources/resource_path.h"
#include "resources/unpack.h"

namespace verlano::bench {
namespace {

namespace fs = std::filesystem;

constexpr const char* kArchive = "res077.pak";

template <class MakePlatform>
void StartUp(benchmark::State& state, MakePlatform make, const char* label) {
  const std::string folder = fs::read_symlink("/proc/self/exe").parent_path().string();
  if (!fs::exists(fs::path(folder) / kArchive)) {
    state.SkipWithError("no res077.pak beside the program: build the default target first");
    return;
  }
  for (auto _ : state) {
    const std::unique_ptr<Platform> platform = make();
    auto unpacked = std::make_shared<const UnpackResult>(UnpackResources(folder, kArchive));
    if (!unpacked->ok) {
      state.SkipWithError(unpacked->error.c_str());
      return;
    }
    ResourceFolder files{
        [root = unpacked->resourceRoot](std::string_view gamePath) {
          return ResolveResourcePath(root, gamePath);
        },
        [unpacked] { RemoveResources(*unpacked); },
        [unpacked](const std::string& file) { return EntryOrigin(*unpacked, file); }};
    GameRun run(Options{}, 1, *platform, std::move(files));
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
