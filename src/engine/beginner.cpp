#include "engine/beginner.h"

#include "engine/playout.h"
#include "rules/random.h"

namespace verlano::engine {

namespace {

// The memory of a player who kept only some of the cards in mind.
ClassicMemory Forgetful(const Position& seen, int rememberOneIn, Random& rng) {
  ClassicMemory memory = MemoryOf(seen);
  for (int& count : memory.played) {
    int kept = 0;
    for (int k = 0; k < count; ++k) kept += rng.Below(rememberOneIn) == 0 ? 1 : 0;
    count = kept;
  }
  return memory;
}

}  // namespace

BeginnerPlayer::BeginnerPlayer(BeginnerSettings settings) : settings_(settings) {}

Move BeginnerPlayer::Choose(const Position& position, std::uint64_t seed) {
  const Position seen = SeenBy(position);
  Random rng(seed);
  ClassicScores(seen, Forgetful(seen, settings_.rememberOneIn, rng), plays_);
  const ScoredMove* best = nullptr;
  for (ScoredMove& play : plays_) {
    if (play.move.count >= 3 && rng.Below(settings_.overlookOneIn) == 0) continue;
    if (play.move.count > 0 && !play.safe) play.score += settings_.greedBonus;
    if (best == nullptr || play.score > best->score) best = &play;
  }
  // It overlooked every play it had: it makes the first one after all.
  return best != nullptr ? best->move : plays_.front().move;
}

}  // namespace verlano::engine
