// How SDL's input becomes what the game reads, without a window: key codes,
// the pointer held to the table, short clicks, the display switch, the window
// given back after full screen, and the frame cap's timing.

#include "platform/sdl/input_map.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "platform/platform.h"
#include "platform/sdl/frame_pacer.h"

namespace verlano::sdl {
namespace {

TEST(InputMap, OnlyTheGamesScanCodesMapToKeys) {
  EXPECT_EQ(ScanCodeFor(kKeyEscape), SDL_SCANCODE_ESCAPE);
  EXPECT_EQ(ScanCodeFor(kKeyR), SDL_SCANCODE_R);
  EXPECT_EQ(ScanCodeFor(kKeyP), SDL_SCANCODE_P);
  EXPECT_EQ(ScanCodeFor(kKeyM), SDL_SCANCODE_M);
  EXPECT_EQ(ScanCodeFor(kKeyH), SDL_SCANCODE_H);
  EXPECT_EQ(ScanCodeFor(kKeySpace), SDL_SCANCODE_SPACE);
  EXPECT_EQ(ScanCodeFor(kKeyU), SDL_SCANCODE_U);
  EXPECT_EQ(ScanCodeFor(kKeyBackspace), SDL_SCANCODE_BACKSPACE);
  EXPECT_EQ(ScanCodeFor(kKeyTab), SDL_SCANCODE_TAB);
  EXPECT_EQ(ScanCodeFor(kKeyReturn), SDL_SCANCODE_RETURN);
  EXPECT_EQ(ScanCodeFor(kKeyLeft), SDL_SCANCODE_LEFT);
  EXPECT_EQ(ScanCodeFor(kKeyRight), SDL_SCANCODE_RIGHT);
  EXPECT_EQ(ScanCodeFor(kKeyDigit1), SDL_SCANCODE_1);
  EXPECT_EQ(ScanCodeFor(kKeyDigit1 + 8), SDL_SCANCODE_9);
  EXPECT_EQ(ScanCodeFor(kKeyDigit0), SDL_SCANCODE_0);
  EXPECT_EQ(ScanCodeFor(kKeyW), SDL_SCANCODE_W);
  EXPECT_EQ(ScanCodeFor(kKeyT), SDL_SCANCODE_T);
  EXPECT_EQ(ScanCodeFor(kKeyN), SDL_SCANCODE_N);
  EXPECT_EQ(ScanCodeFor(kKeyL), SDL_SCANCODE_L);
  EXPECT_EQ(ScanCodeFor(kKeyS), SDL_SCANCODE_S);
  for (const int code : {-1, 0,  12, 13, 16, 18,  21,  24,  26,  27,  29,    34,
                         36, 48, 51, 56, 58, 202, 204, 206, 255, 256, 100000}) {
    EXPECT_EQ(ScanCodeFor(code), SDL_SCANCODE_UNKNOWN) << code;
  }
}

TEST(InputMap, PointerIsHeldToTheTable) {
  struct Row {
    float x, y;
    int wantX, wantY;
  };
  // Letterbox bars give negative values or values past the table's edges.
  const Row rows[] = {
      {400.0F, 300.0F, 400, 300}, {799.9F, 599.9F, 799, 599}, {0.0F, 0.0F, 0, 0},
      {-0.5F, -37.0F, 0, 0},      {800.0F, 600.0F, 800, 600}, {1e9F, -1e9F, 800, 0},
      {-1e9F, 612.3F, 0, 600},
  };
  for (const Row& r : rows) {
    const TablePoint p = ClampToTable(r.x, r.y);
    EXPECT_EQ(p.X, r.wantX) << r.x;
    EXPECT_EQ(p.Y, r.wantY) << r.y;
  }
}

TEST(InputMap, APressIsSeenForTheFrameThatTookIt) {
  ButtonMemory memory;
  memory.StartFrame();
  memory.Press(kMouseLeft);  // pressed and already released: nothing held
  EXPECT_EQ(memory.Down(0), 0b0001);
  EXPECT_EQ(memory.Down(0), 0b0001) << "a second poll in the same frame still sees it";
  EXPECT_EQ(memory.Down(0b0010), 0b0011);
  memory.StartFrame();
  EXPECT_EQ(memory.Down(0), 0) << "gone in the next frame";
  memory.Press(-1);
  memory.Press(4);
  EXPECT_EQ(memory.Down(0), 0) << "buttons the game does not read";
}

TEST(InputMap, DisplaySwitchKeys) {
  // F11 and left Alt+Return are driven through the window in the platform's own tests.
  EXPECT_TRUE(IsDisplayToggle(SDLK_RETURN, KMOD_RALT | KMOD_NUM, false));
  EXPECT_FALSE(IsDisplayToggle(SDLK_RETURN, KMOD_NONE, false));
  EXPECT_FALSE(IsDisplayToggle(SDLK_F11, KMOD_NONE, true)) << "a held key switches once";
  EXPECT_FALSE(IsDisplayToggle(SDLK_p, KMOD_LALT, false));
}

TEST(InputMap, TheWindowLeftFromFullScreenFitsTheScreen) {
  const struct {
    int usableWidth, usableHeight, width, height;
  } cases[] = {
      {1280, 1024, 800, 600},  // room to spare: the table's own size
      {640, 480, 640, 480},    // a small screen: the same shape, shrunk
      {640, 450, 600, 450},    // a panel takes height: narrower too
      {1920, 400, 533, 400},   // a wide strip: the height binds
      {0, 0, 800, 600},        // bounds unknown
  };
  for (const auto& c : cases) {
    const WindowSize size = FitTableWindow(c.usableWidth, c.usableHeight);
    EXPECT_EQ(size.Width, c.width) << c.usableWidth << "x" << c.usableHeight;
    EXPECT_EQ(size.Height, c.height) << c.usableWidth << "x" << c.usableHeight;
  }
}

TEST(InputMap, LeavingFullScreenGivesBackTheWindowsLastPlace) {
  const WindowPlace desktop{0, 0, 1280, 1000};
  const WindowPlace centred{240, 200, 800, 600};
  const WindowPlace c = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600};
  const struct {
    const char* what;
    std::optional<WindowPlace> last;
    WindowPlace usable, want;
  } cases[] = {
      {"the first time: the table's size, centred", std::nullopt, desktop, centred},
      {"the player's own size and place", WindowPlace{30, 40, 1000, 750}, desktop,
       WindowPlace{30, 40, 1000, 750}},
      {"a place off a smaller screen is moved onto it", WindowPlace{900, 700, 400, 300},
       WindowPlace{0, 24, 1024, 744}, WindowPlace{624, 468, 400, 300}},
      {"a size the screen no longer holds is fitted", WindowPlace{0, 0, 1200, 900},
       WindowPlace{0, 0, 800, 580}, WindowPlace{13, 0, 773, 580}},
      {"bounds unknown keep the last place", WindowPlace{5, 6, 700, 500}, WindowPlace{},
       WindowPlace{5, 6, 700, 500}},
      {"bounds unknown the first time: SDL centres", std::nullopt, WindowPlace{}, c},
  };
  for (const auto& k : cases) EXPECT_EQ(WindowAfterFullScreen(k.last, k.usable), k.want) << k.what;
}

TEST(FramePacer, FramesAreAtLeastASixtiethApartAndNeverCatchUp) {
  using namespace std::chrono_literals;
  using Clock = FramePacer::Clock;
  FramePacer pacer;
  const Clock::time_point t0 = Clock::time_point{} + 1h;
  EXPECT_EQ(pacer.NextMark(t0), t0) << "the first frame does not wait";
  // A quick pass waits for the rest of its sixtieth, paused or not.
  EXPECT_EQ(pacer.NextMark(t0 + 2ms), t0 + FramePacer::kFrame);
  EXPECT_EQ(pacer.NextMark(t0 + FramePacer::kFrame + 1ms), t0 + 2 * FramePacer::kFrame);
  // A long pass is not followed by a burst of short ones.
  const Clock::time_point late = t0 + 500ms;
  EXPECT_EQ(pacer.NextMark(late), late);
  EXPECT_EQ(pacer.NextMark(late), late + FramePacer::kFrame);
  EXPECT_GT(FramePacer::kFrame, 16ms);
  EXPECT_LT(FramePacer::kFrame, 17ms);
}

}  // namespace
}  // namespace verlano::sdl
