#pragma once
// What the computer players' levels are worth, as Elo-style ratings measured
// by pitting every level against every other (Classic held at 1500): the
// Options tab shows them, the player's own rating is reckoned from them, and
// "Match my level" picks the level nearest the player. The levels differ
// more in some variants than in others, so each variant has its own row.

#include <array>

#include "rules/settings.h"

namespace verlano {

inline constexpr std::array<PlayerLevel, 5> kLevelsWeakestFirst = {
    PlayerLevel::Beginner, PlayerLevel::Classic, PlayerLevel::Strong, PlayerLevel::Expert,
    PlayerLevel::Master};

// The Classic level's rating, also where a player with no rating yet starts.
inline constexpr int kClassicRating = 1500;

int LevelRating(PlayerLevel level, Variant variant, bool extraCoinPoints);

// The level whose rating is nearest `rating` in that variant; the weaker of
// two equally near.
PlayerLevel NearestLevel(int rating, Variant variant, bool extraCoinPoints);

}  // namespace verlano
