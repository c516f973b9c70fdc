// The SDL platform's cost per frame on the dummy drivers: showing the 800x600
// back buffer (texture upload and present), and how much of a core a paced
// loop takes while it draws nothing (paused) or draws and flips every frame.

#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>

#include "bench_sdl_platform.h"
#include "platform/screen.h"

namespace verlano {
namespace {

using bench::BenchPlatform;

Screen PatternScreen() {
  Screen screen = MakeScreen(800, 600);
  for (std::size_t i = 0; i < screen.BackBuffer.Pixels.size(); ++i) {
    screen.BackBuffer.Pixels[i] = static_cast<std::uint16_t>(i * 2654435761U >> 16);
  }
  return screen;
}

// A pixel changed, as a card moves: an unchanged frame is not shown again.
const Surface& NextFrame(Screen& screen) {
  screen.BackBuffer.Pixels[0] ^= 1;
  return screen.BackBuffer;
}

void BM_FlipScreen(benchmark::State& state) {
  BenchPlatform platform;
  if (!platform.Ready(state)) return;
  Screen screen = PatternScreen();
  for (auto _ : state) (*platform).FlipScreen(NextFrame(screen));
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(screen.BackBuffer.Pixels.size() * 2));
}
BENCHMARK(BM_FlipScreen)->Unit(benchmark::kMillisecond);

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One pass of the frame loop as the game makes it: input, the keys it reads,
// the flip when not paused, and the frame cap. Reports the share of one core
// used per second of wall time, audio thread included.
void RunLoop(benchmark::State& state, bool paused) {
  BenchPlatform platform;
  if (!platform.Ready(state)) return;
  SdlPlatform& p = *platform;
  Screen screen = PatternScreen();
  const double cpuStart = ProcessCpuSeconds();
  const auto wallStart = std::chrono::steady_clock::now();
  for (auto _ : state) {
    p.PollKeyboard();
    p.PollMouse();
    benchmark::DoNotOptimize(p.KeyDown(kKeyEscape) || p.KeyDown(kKeyP) || p.KeyDown(kKeyR) ||
                             p.MouseButton(kMouseLeft));
    if (!paused) p.FlipScreen(NextFrame(screen));
    p.PaceFrame();
  }
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
  state.counters["core_share_pct"] = 100.0 * (ProcessCpuSeconds() - cpuStart) / wall.count();
  state.counters["fps"] = static_cast<double>(state.iterations()) / wall.count();
}

void BM_PausedLoopPass(benchmark::State& state) {
  RunLoop(state, true);
}
BENCHMARK(BM_PausedLoopPass)->Iterations(180)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DrawnLoopPass(benchmark::State& state) {
  RunLoop(state, false);
}
BENCHMARK(BM_DrawnLoopPass)->Iterations(180)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verlano

BENCHMARK_MAIN();
