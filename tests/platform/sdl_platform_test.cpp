// The SDL platform on SDL's invisible drivers: the window, the flip, the
// events the game depends on, sound with and without a device, and the way
// out. Each case chooses its drivers before SDL starts.

#include "platform/sdl/sdl_platform.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "common/scratch_files.h"
#include "platform/screen.h"
#include "platform/test_media.h"

namespace verlano {
namespace {

void UseDrivers(const char* video, const char* audio) {
  setenv("SDL_VIDEODRIVER", video, 1);
  setenv("SDL_AUDIODRIVER", audio, 1);
}

// A platform with its display, input and sound started on the dummy drivers.
class SdlPlatformTest : public testing::Test {
 protected:
  void SetUp() override {
    UseDrivers("dummy", "dummy");
    std::string error;
    ASSERT_TRUE(platform.DirectX(true, false, error)) << error;
    ASSERT_TRUE(platform.GiveMeInput(error) && platform.KeyBoard(error) && platform.Mouse(error));
  }
  void TearDown() override { platform.ShutDown(""); }

  static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }
  static void PushButton(Uint32 type, Uint8 button) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    Push(e);
  }
  static void PushKey(SDL_Keycode key, Uint16 mod) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    Push(e);
  }
  void Poll() {
    platform.PollKeyboard();
    platform.PollMouse();
  }
  // The game window: the only one, so the first id after SDL starts.
  static SDL_Window* Window() { return SDL_GetWindowFromID(1); }
  // Each row: the pointer moved to a window point, and the table point read back.
  struct PointerRow {
    int x, y, wantX, wantY;
  };
  void ExpectPointer(std::initializer_list<PointerRow> rows) {
    for (const PointerRow& r : rows) {
      SDL_WarpMouseInWindow(Window(), r.x, r.y);
      Poll();
      EXPECT_EQ(platform.MouseX(), r.wantX) << "window " << r.x << "," << r.y;
      EXPECT_EQ(platform.MouseY(), r.wantY) << "window " << r.x << "," << r.y;
    }
  }

  SdlPlatform platform;
};

TEST_F(SdlPlatformTest, FullScreenWindowFlipsAndShutsDownTwice) {
  ASSERT_NE(Window(), nullptr);
  EXPECT_NE(SDL_GetWindowFlags(Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0U);
  EXPECT_STREQ(SDL_GetWindowTitle(Window()), "Verlano");
  EXPECT_TRUE(platform.DisplayAvailable());
  SDL_HideWindow(Window());
  EXPECT_FALSE(platform.DisplayAvailable()) << "hidden";
  SDL_ShowWindow(Window());
  EXPECT_TRUE(platform.DisplayAvailable());
  Screen screen = MakeScreen(800, 600);
  std::fill(screen.BackBuffer.Pixels.begin(), screen.BackBuffer.Pixels.end(), kMagenta565);
  for (int i = 0; i < 3; ++i) platform.FlipScreen(screen.BackBuffer);
  platform.FlipScreen(MakeSurface(16, 16));  // not the table's size: shows what was there
  platform.ShowSystemCursor(false);
  platform.ShutDown("");
  EXPECT_FALSE(platform.DisplayAvailable());
  platform.FlipScreen(screen.BackBuffer);  // after the end: nothing to show on, no crash
  platform.ShutDown("");
}

TEST_F(SdlPlatformTest, MouseIsMappedThroughTheLetterbox) {
  EXPECT_EQ(platform.MouseX(), 400) << "before the first poll";
  EXPECT_EQ(platform.MouseY(), 300);
  // The 1024x768 desktop of the dummy driver has the table's shape.
  ExpectPointer({{1023, 767, 799, 599}, {0, 0, 0, 0}, {512, 384, 400, 300}});
  // F11 leaves full screen; a 1000x600 window then has 100-pixel bars left and right.
  PushKey(SDLK_F11, KMOD_NONE);
  Poll();
  ASSERT_EQ(SDL_GetWindowFlags(Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0U);
  SDL_SetWindowSize(Window(), 1000, 600);
  Poll();
  ExpectPointer({{50, 300, 0, 300}, {950, 599, 800, 599}, {500, 10, 400, 10}});
  PushKey(SDLK_RETURN, KMOD_LALT);
  Poll();
  EXPECT_NE(SDL_GetWindowFlags(Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0U);
}

// How far what the window shows at (x, y) after a flip lies from 0xRRGGBB:
// the largest difference of a channel. SDL widens 5 and 6 bits to 8 its own
// way, so a channel may be off by one.
int ShownOffBy(int x, int y, std::uint32_t want) {
  SDL_Renderer* renderer = SDL_GetRenderer(SDL_GetWindowFromID(1));
  const SDL_Rect pixel{x, y, 1, 1};
  std::uint32_t argb = 0;
  EXPECT_EQ(SDL_RenderReadPixels(renderer, &pixel, SDL_PIXELFORMAT_ARGB8888, &argb, 4), 0)
      << SDL_GetError();
  int worst = 0;
  for (int shift : {0, 8, 16}) {
    const int d =
        static_cast<int>((argb >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF);
    worst = std::max(worst, std::abs(d));
  }
  return worst;
}

TEST_F(SdlPlatformTest, TheWindowShowsTheBackBuffersColoursScaledAndOneToOne) {
  // Quarters of pure red, pure green, mid grey and white.
  Screen screen = MakeScreen(800, 600);
  const std::uint16_t quarter[2][2] = {{0xF800, 0x07E0}, {0x8410, 0xFFFF}};
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) {
      screen.BackBuffer.Pixels[static_cast<std::size_t>(y * 800 + x)] = quarter[y / 300][x / 400];
    }
  }
  const std::uint32_t want[2][2] = {{0xFF0000, 0x00FF00}, {0x848284, 0xFFFFFF}};
  platform.FlipScreen(screen.BackBuffer);
  // Full screen on the 1024x768 desktop: the middle of each quarter.
  for (int qy = 0; qy < 2; ++qy) {
    for (int qx = 0; qx < 2; ++qx) {
      EXPECT_LE(ShownOffBy(256 + 512 * qx, 192 + 384 * qy, want[qy][qx]), 1) << qx << "," << qy;
    }
  }
  PushKey(SDLK_F11, KMOD_NONE);
  Poll();
  platform.FlipScreen(screen.BackBuffer);
  // F11's 800x600 window: pixel for pixel, up to the quarters' edges.
  for (const auto& [x, y] : {std::pair{0, 0},
                             {399, 299},
                             {400, 0},
                             {799, 299},
                             {0, 300},
                             {399, 599},
                             {400, 300},
                             {799, 599}}) {
    EXPECT_LE(ShownOffBy(x, y, want[y / 300][x / 400]), 1) << x << "," << y;
  }
}

// The window's picture spoilt behind the platform's back, as when another
// window covered it.
void SpoilWindow() {
  SDL_Renderer* renderer = SDL_GetRenderer(SDL_GetWindowFromID(1));
  SDL_SetRenderDrawColor(renderer, 0, 0, 0xFF, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer);
  SDL_RenderPresent(renderer);
}

TEST_F(SdlPlatformTest, AnUnchangedFrameIsShownOnceAndALostPictureIsShownAgainEvenWhilePaused) {
  Screen screen = MakeScreen(800, 600);
  std::fill(screen.BackBuffer.Pixels.begin(), screen.BackBuffer.Pixels.end(), 0xF800);
  platform.FlipScreen(screen.BackBuffer);
  SpoilWindow();
  platform.FlipScreen(screen.BackBuffer);  // the same frame: not uploaded nor presented
  EXPECT_LE(ShownOffBy(512, 384, 0x0000FF), 1) << "an unchanged frame was presented again";
  // Uncovered: the next poll shows the last frame, with no flip (the game is paused).
  SDL_Event exposed{};
  exposed.type = SDL_WINDOWEVENT;
  exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
  exposed.window.windowID = SDL_GetWindowID(Window());
  Push(exposed);
  Poll();
  EXPECT_LE(ShownOffBy(512, 384, 0xFF0000), 1) << "not shown again after an expose";
  // F11 while paused: the window shows the frame too.
  SpoilWindow();
  PushKey(SDLK_F11, KMOD_NONE);
  Poll();
  EXPECT_LE(ShownOffBy(400, 300, 0xFF0000), 1) << "not shown again after F11";
  // One pixel changed is a new frame.
  screen.BackBuffer.Pixels[0] = 0x07E0;
  platform.FlipScreen(screen.BackBuffer);
  EXPECT_LE(ShownOffBy(0, 0, 0x00FF00), 1);
}

TEST_F(SdlPlatformTest, ClickBetweenTwoPollsIsNotLost) {
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
  PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
  PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
  Poll();
  EXPECT_TRUE(platform.MouseButton(kMouseLeft));
  EXPECT_TRUE(platform.MouseButton(kMouseRight));
  platform.PollMouse();  // the cursor's second poll in the same frame
  EXPECT_TRUE(platform.MouseButton(kMouseLeft));
  Poll();
  EXPECT_FALSE(platform.MouseButton(kMouseLeft));
  EXPECT_FALSE(platform.MouseButton(kMouseRight));
  EXPECT_FALSE(platform.MouseButton(-1));
  EXPECT_FALSE(platform.MouseButton(4));
}

// A tap between two polls reads down once and as a press; taps in polls in a
// row are a press each (the keyboard play's steps); a held key's repeats are
// not presses.
TEST_F(SdlPlatformTest, KeyTapsBetweenPollsReadAsPresses) {
  const auto key = [this](Uint32 type, SDL_Scancode scancode, Uint8 repeat = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = scancode;
    e.key.repeat = repeat;
    Push(e);
  };
  for (const auto& [scancode, code] :
       {std::pair{SDL_SCANCODE_ESCAPE, kKeyEscape}, std::pair{SDL_SCANCODE_P, kKeyP},
        std::pair{SDL_SCANCODE_R, kKeyR}, std::pair{SDL_SCANCODE_TAB, kKeyTab}}) {
    for (int tap = 0; tap < 2; ++tap) {
      key(SDL_KEYDOWN, scancode);
      key(SDL_KEYUP, scancode);
      Poll();
      EXPECT_TRUE(platform.KeyDown(code)) << code;
      EXPECT_TRUE(platform.KeyPressed(code)) << code << " tap " << tap;
    }
    Poll();
    EXPECT_FALSE(platform.KeyDown(code)) << code;
    EXPECT_FALSE(platform.KeyPressed(code)) << code;
  }
  key(SDL_KEYDOWN, SDL_SCANCODE_RIGHT, 1);
  Poll();
  EXPECT_FALSE(platform.KeyPressed(kKeyRight)) << "a repeat is no press";
  EXPECT_FALSE(platform.KeyPressed(-1));
  EXPECT_FALSE(platform.KeyPressed(256));
}

TEST_F(SdlPlatformTest, KeysAndCloseBox) {
  Poll();
  for (int code = -1; code <= 256; ++code) EXPECT_FALSE(platform.KeyDown(code)) << code;
  EXPECT_FALSE(platform.CloseRequested());
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  Push(close);
  Poll();
  EXPECT_TRUE(platform.CloseRequested());
  EXPECT_FALSE(platform.KeyDown(kKeyEscape)) << "closing is not a key press";
}

TEST_F(SdlPlatformTest, QuitEventRequestsClose) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  Push(quit);
  Poll();
  EXPECT_TRUE(platform.CloseRequested());
}

// Counts sounds cut off: a restart of a playing channel stops it first.
int stopped = 0;
void CountStop(int /*channel*/) {
  ++stopped;
}

TEST_F(SdlPlatformTest, SoundsLoadPlayOnceAndSkipWhatIsMissing) {
  test::TempDir dir;
  test::WriteFile(dir / "long.wav", test::WavBytes(22050 * 2));
  test::WriteFile(dir / "short.wav", test::WavBytes(2205));
  test::WriteFile(dir / "text.wav", {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e'});
  std::vector<std::uint8_t> badHeader = test::WavBytes(2205);
  badHeader[20] = 0x99;  // an unknown format tag
  test::WriteFile(dir / "bad_header.wav", badHeader);
  std::vector<std::uint8_t> cut = test::WavBytes(2205);
  cut.resize(30);  // ends inside the format chunk
  test::WriteFile(dir / "cut.wav", cut);
  std::vector<std::uint8_t> huge = test::WavBytes(2205);
  huge[43] = 0xFF;  // the data chunk claims 4 GB
  test::WriteFile(dir / "huge.wav", huge);
  std::vector<std::uint8_t> slow = test::WavBytes(2205);
  slow[25] = 0;  // 34 samples a second, stretched 650 times to the device's rate
  test::WriteFile(dir / "slow.wav", slow);
  platform.InitSound();
  std::string error;
  const SoundId longSound = platform.LoadSound(dir / "long.wav", error);
  const SoundId shortSound = platform.LoadSound(dir / "short.wav", error);
  EXPECT_EQ(error, "");
  ASSERT_GT(longSound, 0);
  ASSERT_GT(shortSound, 0);
  EXPECT_NE(longSound, shortSound);
  // Each unreadable file gives no sound and a reason naming it.
  for (const char* name :
       {"missing.wav", "text.wav", "bad_header.wav", "cut.wav", "huge.wav", "slow.wav"}) {
    error.clear();
    EXPECT_EQ(platform.LoadSound(dir / name, error), 0) << name;
    EXPECT_EQ(error.rfind("Cannot read the sound " + (dir / name) + ": ", 0), 0u) << error;
  }

  stopped = 0;
  Mix_ChannelFinished(CountStop);
  platform.PlaySound(longSound);
  platform.PlaySound(shortSound);
  EXPECT_EQ(Mix_Playing(-1), 2) << "each sound on a channel of its own";
  platform.PlaySound(longSound);
  EXPECT_EQ(stopped, 0) << "a sound still playing is not restarted";
  for (const SoundId none : {0, -3, 99}) platform.PlaySound(none);

  platform.ReleaseSound(longSound);
  platform.PlaySound(longSound);
  platform.ReleaseSound(longSound);
  EXPECT_EQ(Mix_Playing(longSound - 1), 0);
  Mix_ChannelFinished(nullptr);
}

TEST(SdlPlatformWithoutDevices, NoAudioDeviceIsSilent) {
  UseDrivers("dummy", "no-such-audio-driver");
  test::TempDir dir;
  test::WriteFile(dir / "sound.wav", test::WavBytes(100));
  SdlPlatform platform;
  testing::internal::CaptureStderr();
  platform.InitSound();
  std::string error;
  const SoundId id = platform.LoadSound(dir / "sound.wav", error);
  EXPECT_EQ(error, "") << "no device is not a fault of the file";
  platform.PlaySound(id);
  platform.PlaySound(1);
  platform.ReleaseSound(1);
  platform.ShutDown("");
  EXPECT_EQ(id, 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(SdlPlatformWithoutDevices, NoDisplayFailsWithAReasonAndShutsDownWithTheMessage) {
  UseDrivers("no-such-video-driver", "dummy");
  SdlPlatform platform;
  std::string error;
  EXPECT_FALSE(platform.DirectX(true, false, error));
  EXPECT_EQ(error.rfind("No display is available", 0), 0U) << error;
  EXPECT_FALSE(platform.DisplayAvailable());
  platform.PollKeyboard();
  platform.PollMouse();
  platform.FlipScreen(MakeSurface(800, 600));
  testing::internal::CaptureStderr();
  platform.ShutDown(PlatformErrorMessage("DirectX", 1, error));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Error in function DirectX() \nError Number: 1\n" + error + "\n");
}

TEST(SdlPlatformClock, TicksRiseAndTheTimeOfDayIsValid) {
  SdlPlatform platform;
  const std::uint64_t first = platform.TickCount();
  platform.PaceFrame();
  platform.PaceFrame();  // the second waits for the rest of a sixtieth
  EXPECT_GE(platform.TickCount(), first + 16);
  const TimeOfDay now = platform.Now();
  EXPECT_GE(now.Hour, 0);
  EXPECT_LE(now.Hour, 23);
  EXPECT_GE(now.Minute, 0);
  EXPECT_LE(now.Minute, 59);
}

}  // namespace
}  // namespace verlano
