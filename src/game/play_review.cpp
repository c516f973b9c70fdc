#include "game/play_review.h"

#include <algorithm>

#include "engine/match.h"

namespace verlano {

namespace {

bool SameMove(const engine::Move& a, const engine::Move& b) {
  return a.handIndex == b.handIndex && a.count == b.count &&
         std::equal(a.positions.begin(), a.positions.begin() + a.count, b.positions.begin());
}

}  // namespace

std::uint64_t SeenSeed(const engine::Position& p) {
  std::uint64_t key = engine::MixSeed(static_cast<std::uint64_t>(p.toPlay * 64 + p.cardsPlayed));
  const auto mix = [&key](std::uint64_t value) { key = engine::MixSeed(key ^ value); };
  for (int i = 0; i < p.handCount[p.toPlay]; ++i)
    mix(static_cast<std::uint64_t>(p.hands[p.toPlay][i]));
  for (int i = 0; i < p.tableCount; ++i) mix(static_cast<std::uint64_t>(p.table[i]) + 64);
  mix(p.taken[0]);
  mix(p.taken[1]);
  mix(static_cast<std::uint64_t>(p.sweeps[0] * 64 + p.sweeps[1]));
  return key;
}

ReviewedPlay JudgePlay(engine::Judge& judge, int play, const engine::Position& before,
                       const engine::Move& move) {
  ReviewedPlay reviewed{
      .play = play, .judged = judge.Weigh(before, SeenSeed(before)), .before = before};
  const auto found = std::ranges::find_if(
      reviewed.judged, [&](const engine::PlayJudgement& j) { return SameMove(j.move, move); });
  reviewed.played = static_cast<std::size_t>(found - reviewed.judged.begin());
  return reviewed;
}

void WorstFirst(std::vector<ReviewedPlay>& plays) {
  std::ranges::stable_sort(plays, [](const ReviewedPlay& a, const ReviewedPlay& b) {
    return a.Made().givenUp > b.Made().givenUp;
  });
}

double GivenUp(const std::vector<ReviewedPlay>& plays) {
  double total = 0;
  for (const ReviewedPlay& play : plays) total += play.Made().givenUp;
  return total;
}

}  // namespace verlano
