// The hand's flow as the state list gives it: every state can be reached from
// a new deal, none is a dead end short of the score page, the score page leads
// only to the next deal, and a state outside the list follows nothing.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "rules/play_state.h"

namespace verlano {
namespace {

using Seen = std::array<bool, kPlayStateCount>;

PlayState At(int i) {
  return static_cast<PlayState>(i);
}

// The states reached from `from` by any number of changes.
Seen ReachedFrom(PlayState from) {
  Seen seen{};
  seen[static_cast<int>(from)] = true;
  for (bool grew = true; grew;) {
    grew = false;
    for (int a = 0; a < kPlayStateCount; ++a) {
      for (int b = 0; b < kPlayStateCount; ++b) {
        if (seen[a] && !seen[b] && MayFollow(At(a), At(b))) grew = seen[b] = true;
      }
    }
  }
  return seen;
}

TEST(PlayStateFlow, EveryStateLiesOnTheWayFromTheDealToTheScorePage) {
  const Seen fromDeal = ReachedFrom(PlayState::DealingCards);
  for (int i = 0; i < kPlayStateCount; ++i) {
    const std::string name = StateName(At(i));
    EXPECT_FALSE(name.empty()) << "state " << i << " has no text";
    EXPECT_TRUE(fromDeal[i]) << name << " cannot be reached from a deal";
    EXPECT_TRUE(ReachedFrom(At(i))[static_cast<int>(PlayState::HandOver)])
        << name << " never reaches the score page";
  }
}

TEST(PlayStateFlow, ThePauseAndTheSortComeBackToWhereTheyLeft) {
  for (int i = 0; i < kPlayStateCount; ++i) {
    const PlayState s = At(i);
    if (s == PlayState::Paused) continue;
    EXPECT_EQ(MayFollow(s, PlayState::Paused), MayFollow(PlayState::Paused, s)) << StateName(s);
  }
  EXPECT_TRUE(MayFollow(PlayState::NormalPlay, PlayState::SortGatherHand));
  EXPECT_TRUE(MayFollow(PlayState::SortSpreadHand, PlayState::NormalPlay));
  for (int i = 0; i < kPlayStateCount; ++i) {
    if (At(i) == PlayState::DealingCards || At(i) == PlayState::HandOver) continue;
    EXPECT_FALSE(MayFollow(PlayState::HandOver, At(i))) << "the score page leads only to a deal";
  }
}

TEST(PlayStateFlow, AStateOutsideTheListFollowsAndLeadsNowhere) {
  const PlayState stray = At(kPlayStateCount);
  EXPECT_STREQ(StateName(stray), "");
  EXPECT_FALSE(MayFollow(stray, PlayState::NormalPlay));
  EXPECT_FALSE(MayFollow(PlayState::NormalPlay, stray));
  EXPECT_FALSE(MayFollow(stray, stray));
}

}  // namespace
}  // namespace verlano
