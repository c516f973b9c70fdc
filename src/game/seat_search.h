#pragma once
// A computer seat's search off the frame loop, at any level but Classic (the
// Beginner's choice takes microseconds, but it too is seeded, and one path
// for every seeded level keeps the turn the same). One search runs at a time, on a
// worker thread, started as soon as its seat's position is known: often at
// the previous seat's play, so it runs while that card flies, lands and
// pauses. The seat takes the play at its turn; until the search has ended the
// turn waits and the frames go on. A run on a fake clock waits for the search
// at the turn instead, so that its frames replay exactly. Either way the play
// depends only on the position and the seed.

#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>

#include "engine/level.h"
#include "engine/position.h"

namespace verlano {

class SeatSearch {
 public:
  explicit SeatSearch(bool waitAtTurn) : waitAtTurn_(waitAtTurn) {}
  ~SeatSearch();  // waits for a search under way: it ends within its work budget
  SeatSearch(const SeatSearch&) = delete;
  SeatSearch& operator=(const SeatSearch&) = delete;

  // Searches `position` with `seed` for its seat to play at `level`, once
  // any search under way has ended.
  void Start(const engine::Position& position, engine::Level level, std::uint64_t seed);
  // How many searches were started again before their play was taken: a
  // search started ahead on a position the seat did not meet.
  int Restarts() const { return restarts_; }
  // How many searches this worker has run (the simulator checks that a
  // match reloaded from its file still searches here).
  int Searches() const { return searches_; }

  // Whether a search was started whose play has not been taken yet, and for
  // which position, level and seed.
  bool Started() const { return started_; }
  bool IsFor(const engine::Position& position, engine::Level level) const {
    return started_ && position == position_ && level == level_;
  }
  std::uint64_t Seed() const { return seed_; }
  // A search is under way: started and not ended.
  bool Running() const { return started_ && !done_.load(std::memory_order_acquire); }

  // Forgets the search started, whose play is then never taken: the next
  // Start draws its own seed. A search under way is joined by the next Start.
  void Abandon() { started_ = false; }

  // The play, once the search has ended; nothing while it runs (a run that
  // waits at the turn waits for it here). Taking the play ends the search.
  std::optional<engine::Move> TakePlay();

 private:
  void Join();

  bool waitAtTurn_;
  bool started_ = false;
  int restarts_ = 0;
  int searches_ = 0;
  engine::Position position_;
  engine::Level level_ = engine::Level::Classic;
  std::uint64_t seed_ = 0;
  std::thread worker_;
  std::atomic<bool> done_{false};
  engine::Move play_;  // written by the worker before `done_`
};

}  // namespace verlano
