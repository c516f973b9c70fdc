// One whole frame as the game makes it, on SDL's dummy drivers: the
// background, the score sheet's strip, a busy mid-hand table, the cursor, the
// texture upload and the present. Full screen on the dummy desktop (1024x768,
// so the table is scaled) and in F11's 800x600 window (nothing scales).

#include <SDL.h>
#include <benchmark/benchmark.h>

#include "bench_sdl_platform.h"
#include "busy_table.h"
#include "render/compose_frame.h"

namespace verlano::bench {
namespace {

// F11, as the player presses it: full screen becomes an 800x600 window.
void ToWindow(SdlPlatform& platform) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.keysym.sym = SDLK_F11;
  SDL_PushEvent(&event);
  platform.PollKeyboard();
}

void BM_WholeFrame(benchmark::State& state) {
  if (!Ready(state)) return;
  BenchPlatform platform;
  if (!platform.Ready(state)) return;
  SdlPlatform& p = *platform;
  const bool windowed = state.range(0) != 0;
  if (windowed) ToWindow(p);
  BusyTable& table = Table();
  ResourceSlots& r = table.pictures->slots;
  Screen& screen = table.screen;
  // The card in flight moves a step each frame, so no two frames are alike.
  CardSprite& flying = table.game.piles.Hand[1][6];
  const float startX = flying.X;
  int frame = 0;
  for (auto _ : state) {
    flying.X = startX + static_cast<float>(frame++ % 2);
    p.PollMouse();
    ComposeFrame(table.game, r, screen, kClock, p.MouseX(), p.MouseY());
    p.FlipScreen(screen.BackBuffer);
  }
  flying.X = startX;
  state.SetLabel(windowed ? "800x600 window" : "full screen, scaled to the desktop");
}
BENCHMARK(BM_WholeFrame)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace verlano::bench

BENCHMARK_MAIN();
