#pragma once
// The SDL platform started as the game starts it, for the benchmarks, on
// drivers that need no X server or sound device unless SDL_VIDEODRIVER and
// SDL_AUDIODRIVER already name others.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>

#include "platform/sdl/sdl_platform.h"

namespace verlano::bench {

inline void UseDummyDrivers() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
}

class BenchPlatform {
 public:
  BenchPlatform() {
    UseDummyDrivers();
    std::string error;
    ok_ = platform_.DirectX(true, false, error) && platform_.GiveMeInput(error) &&
          platform_.KeyBoard(error) && platform_.Mouse(error);
    error_ = error;
    platform_.InitSound();
  }
  ~BenchPlatform() { platform_.ShutDown(""); }
  BenchPlatform(const BenchPlatform&) = delete;
  BenchPlatform& operator=(const BenchPlatform&) = delete;

  bool Ready(benchmark::State& state) {
    if (!ok_) state.SkipWithError(error_.c_str());
    return ok_;
  }
  SdlPlatform& operator*() { return platform_; }

 private:
  SdlPlatform platform_;
  bool ok_ = false;
  std::string error_;
};

}  // namespace verlano::bench
