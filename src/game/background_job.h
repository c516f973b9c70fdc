#pragma once
// One piece of work at a time on a thread of its own, handing back one
// result: how the coach's hint and review run beside the frames. A new job
// waits for the one under way; a run on a fake clock waits for each job as
// it starts, so that its frames replay exactly.

#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <utility>

namespace verlano {

template <typename Result>
class BackgroundJob {
 public:
  explicit BackgroundJob(bool waitAtStart) : waitAtStart_(waitAtStart) {}
  ~BackgroundJob() { Join(); }  // a job ends within its own budget
  BackgroundJob(const BackgroundJob&) = delete;
  BackgroundJob& operator=(const BackgroundJob&) = delete;

  void Start(std::function<Result()> job) {
    Join();
    started_ = true;
    done_.store(false, std::memory_order_relaxed);
    worker_ = std::thread([this, job = std::move(job)] {
      result_ = job();
      done_.store(true, std::memory_order_release);
    });
    if (waitAtStart_) Join();
  }

  // A job was started whose result has not been taken.
  bool Started() const { return started_; }
  bool Done() const { return started_ && done_.load(std::memory_order_acquire); }

  // The result once the job has ended (nothing while it runs); taking it ends the job.
  std::optional<Result> Take() {
    if (!Done()) return std::nullopt;
    Join();
    started_ = false;
    return std::move(result_);
  }

 private:
  void Join() {
    if (worker_.joinable()) worker_.join();
  }

  bool waitAtStart_;
  bool started_ = false;
  std::thread worker_;
  std::atomic<bool> done_{false};
  Result result_{};  // written by the worker before `done_`
};

}  // namespace verlano
