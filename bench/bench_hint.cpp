// The coach's work beside the game's own frames (the headless platform with
// pixels, keeping real time as a player's run does; expert seats; seat 0
// played by the simulator's mouse): the longest `GameFrame` and the 99th
// percentile while the coach thinks.
//
// BM_FramesWithHintHeld: "Show hints" on and H held through every turn of the
// human. Arg 1 is the game as it runs: the hint searched on its worker. Arg 0
// makes the same frames with the hint's search inside the frame that first
// holds H at a turn, as the game once did, for the figure before.
//
// BM_FramesWhileReviewing: at each hand's end V asks for the review of the
// human's plays, and the frames are timed until it is ready, with the wall
// time the review took. Arg 1 is the game as it runs: the review on its
// worker. Arg 0 makes the review inside the frame at the hand's end (V is
// not pressed), for the figure before.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "game/expert_hint.h"
#include "platform/headless_platform.h"
#include "sim/auto_player.h"
#include "unpacked_archive.h"

namespace verlano::bench {
namespace {

constexpr int kHands = 3;

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One iteration's match: expert seats, hints shown, on the headless platform
// keeping real time with pixels, seat 0 played by the simulator's mouse.
struct ExpertMatch {
  HeadlessPlatform platform{true, true};
  std::unique_ptr<GameRun> run;
  sim::AutoPlayer human{false};

  ~ExpertMatch() {
    if (run) QuitGame(*run);
  }

  // False (the benchmark skipped with the reason) when the run cannot start.
  bool Start(benchmark::State& state, std::uint64_t seed) {
    std::optional<ResourceFolder> files = UnpackBesideProgram(state);
    if (!files) return false;
    Options options;
    options.opponents = PlayerLevel::Expert;
    options.partner = PlayerLevel::Expert;
    options.showHints = true;
    auto started = std::make_unique<GameRun>(options, seed, platform, std::move(*files));
    if (!StartRun(*started)) {
      state.SkipWithError("the run did not start");
      return false;
    }
    run = std::move(started);
    return true;
  }
};

// Sorts `frameMs` and reports how many frames, the longest, the 99th and
// 99.9th percentiles.
void ReportFrames(benchmark::State& state, std::vector<double>& frameMs) {
  std::sort(frameMs.begin(), frameMs.end());
  state.counters["frames"] = static_cast<double>(frameMs.size());
  state.counters["longest_ms"] = frameMs.back();
  state.counters["p99_ms"] = frameMs[frameMs.size() * 99 / 100];
  state.counters["p999_ms"] = frameMs[frameMs.size() * 999 / 1000];
}

void BM_FramesWithHintHeld(benchmark::State& state) {
  const bool hintInFrame = state.range(0) == 0;
  std::vector<double> frameMs;
  std::uint64_t seed = 1;
  for (auto _ : state) {
    ExpertMatch match;
    if (!match.Start(state, seed++)) return;
    GameRun& run = *match.run;
    ExpertAdvice searchedInFrame;
    int hands = 0;
    bool handOver = false;
    while (run.Running && hands < kHands) {
      if (!match.human.Prepare(run.game, match.platform)) break;
      match.platform.SetKey(kKeyH, !hintInFrame);
      const auto start = Clock::now();
      GameFrame(run);
      if (hintInFrame) searchedInFrame.Follow(run.game, true);
      frameMs.push_back(MsSince(start));
      const bool over = run.game.turn.GameState == PlayState::HandOver;
      if (over && !handOver) ++hands;
      handOver = over;
    }
  }
  if (frameMs.empty()) return;
  ReportFrames(state, frameMs);
  state.SetLabel(hintInFrame ? "hint searched in the frame (before)" : "hint on its worker");
}
BENCHMARK(BM_FramesWithHintHeld)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(4);

// What the reviews of one benchmark cost: the frames made while one ran and
// the wall time each took.
struct ReviewTimes {
  std::vector<double> frameMs;
  std::vector<double> reviewMs;
};

// On the score page: V, frames until the game's review is ready (timed from
// the frame that pressed V), V again to close it. False when V did not open
// or close it.
bool ReviewOnWorker(GameRun& run, HeadlessPlatform& platform, ReviewTimes& times) {
  platform.TapKey(kKeyV);
  const auto asked = Clock::now();
  do {
    const auto start = Clock::now();
    GameFrame(run);
    times.frameMs.push_back(MsSince(start));
    if (!run.handEnd.ReviewOpen) return false;
  } while (run.Running && !run.review.Ready());
  times.reviewMs.push_back(MsSince(asked));
  // The page takes a key once it has seen every key let go.
  while (run.Running && run.handEnd.KeyHeld) GameFrame(run);
  platform.TapKey(kKeyV);
  GameFrame(run);
  return !run.handEnd.ReviewOpen;
}

// The frame at the hand's end with the whole review made inside it.
void ReviewInFrame(GameRun& run, HandReview& review, ReviewTimes& times) {
  const auto start = Clock::now();
  GameFrame(run);
  const auto asked = Clock::now();
  review.Start(run.game);
  review.Ready();
  times.reviewMs.push_back(MsSince(asked));
  times.frameMs.push_back(MsSince(start));
}

void BM_FramesWhileReviewing(benchmark::State& state) {
  const bool reviewInFrame = state.range(0) == 0;
  ReviewTimes times;
  std::uint64_t seed = 1;
  for (auto _ : state) {
    ExpertMatch match;
    if (!match.Start(state, seed++)) return;
    GameRun& run = *match.run;
    HandReview madeInFrame(true);
    int hands = 0;
    bool reviewed = false;  // this hand's end has been reviewed
    while (run.Running && hands < kHands) {
      const bool over = run.game.turn.GameState == PlayState::HandOver;
      if (over && !reviewed) {
        // The mouse's last press must not reach the score page, where it deals.
        match.platform.SetButton(kMouseLeft, false);
        if (reviewInFrame) {
          ReviewInFrame(run, madeInFrame, times);
        } else if (!ReviewOnWorker(run, match.platform, times)) {
          state.SkipWithError("V did not open and close the review on the score page");
          return;
        }
        ++hands;
      }
      reviewed = over;
      if (!match.human.Prepare(run.game, match.platform)) break;
      GameFrame(run);
    }
  }
  if (times.reviewMs.empty()) return;
  ReportFrames(state, times.frameMs);
  std::sort(times.reviewMs.begin(), times.reviewMs.end());
  state.counters["reviews"] = static_cast<double>(times.reviewMs.size());
  state.counters["review_median_ms"] = times.reviewMs[times.reviewMs.size() / 2];
  state.counters["review_longest_ms"] = times.reviewMs.back();
  state.SetLabel(reviewInFrame ? "review made in the frame (before)" : "review on its worker");
}
BENCHMARK(BM_FramesWhileReviewing)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(4);

}  // namespace
}  // namespace verlano::bench

BENCHMARK_MAIN();
