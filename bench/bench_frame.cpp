// One whole frame as the game makes it, on SDL's dummy drivers: the
// background, the score sheet's strip, a busy mid-hand table, the cursor, the
// texture upload and the present. Full screen on the dummy desktop (1024x768,
// so the table is scaled) and in F11's 800x600 window (nothing scales).

#include <SDL.h>
#include <benchmark/benchmark.h>

#include "bench_sdl_platform.h"
#include "busy_table.h"
#include "render/draw_table.h"

namespace verlano::bench {
namespace {

constexpr int kCursorHotSpot = 16;
constexpr int kCursorSize = 32;
constexpr int kScoreStripX = 780;
constexpr int kScoreStripY = 5;

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
    BltFastClip(screen, r.Background, screen.BackBuffer, screen.BackRect, 0, 0, false);
    BltFastClip(screen, r.ScorePage, screen.BackBuffer, screen.BackRect, kScoreStripX, kScoreStripY,
                true);
    DrawTable(table.game, r, screen, kClock);
    p.PollMouse();
    BltFastClip(screen, r.Cursor, screen.BackBuffer, Rect{0, 0, kCursorSize, kCursorSize},
                p.MouseX() - kCursorHotSpot, p.MouseY() - kCursorHotSpot, true);
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
