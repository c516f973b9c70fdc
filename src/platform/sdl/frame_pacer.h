#pragma once
// The loop's own cap of 60 frames a second. Vsync alone does not hold the
// game back: under Xvfb it is only simulated and the dummy video driver has
// none, so without this cap the loop (paused or not) would spin a core.

#include <chrono>

namespace verlano::sdl {

class FramePacer {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr Clock::duration kFrame =
      std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / 60.0));

  // When the frame that starts at `now` may end: one frame after the previous
  // mark. A loop that fell behind (a long frame, a stop in a debugger) starts
  // afresh from `now` rather than racing to catch up.
  Clock::time_point NextMark(Clock::time_point now);

  // Sleeps until the next mark.
  void Wait();

 private:
  Clock::time_point mark_{};
  bool started_ = false;
};

}  // namespace verlano::sdl
