#include "game/seat_search.h"


namespace verlano {

SeatSearch::~SeatSearch() {
  Join();
}

void SeatSearch::Join() {
  if (worker_.joinable()) worker_.join();
}

void SeatSearch::Start(const engine::Position& position, engine::Level level,
                       std::uint64_t seed) {
  Join();
  if (started_) ++restarts_;
  ++searches_;
  started_ = true;
  position_ = position;
  level_ = level;
  seed_ = seed;
  done_.store(false, std::memory_order_relaxed);
  worker_ = std::thread([this, position, level, seed] {
    engine::LevelPlayer player(level, engine::ExpertSettings{});
    play_ = player.Choose(position, seed);
    done_.store(true, std::memory_order_release);
  });
}

std::optional<engine::Move> SeatSearch::TakePlay() {
  if (!started_) return std::nullopt;
  if (!waitAtTurn_ && !done_.load(std::memory_order_acquire)) return std::nullopt;
  Join();
  started_ = false;
  return play_;
}

}  // namespace verlano
