#include "platform/sdl/frame_pacer.h"

#include <thread>

namespace verlano::sdl {

FramePacer::Clock::time_point FramePacer::NextMark(Clock::time_point now) {
  const Clock::time_point due = mark_ + kFrame;
  mark_ = started_ && now < due ? due : now;
  started_ = true;
  return mark_;
}

void FramePacer::Wait() {
  std::this_thread::sleep_until(NextMark(Clock::now()));
}

}  // namespace verlano::sdl
