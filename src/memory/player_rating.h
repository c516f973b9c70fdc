#pragma once
// The player's own rating, an Elo-style estimate kept per variant (the
// levels' ratings differ between variants) and moved after every match
// against the computer played to its end. The player's side is as strong as
// the mean of the player's estimate and the partner's level; the other side
// as the opponents' level. A win moves the estimate up by K times the share
// of the match the side was not expected to win, a loss down by K times the
// share it was expected to win: K is 64 for the first ten matches, so that a
// new player soon finds a level, and 32 after. An estimate starts at
// Classic's 1500 and stays within what the statistics file accepts.

#include <optional>

#include "memory/statistics.h"
#include "rules/settings.h"

namespace verlano {

// The chance the level ratings give the player's side of winning a match,
// the player's estimate being `rating`.
double ExpectedScore(int rating, const Options& options);

// A match of these options won or lost.
void RateMatch(Statistics& stats, const Options& options, bool won);

// The player's rating in these options' variant, none before a match there ended.
std::optional<PlayerRating> RatingOf(const Statistics& stats, const Options& options);

// The opponents "Match my level" gives: the level nearest the player's
// rating in that variant, Classic before the player has one.
PlayerLevel LevelNearPlayer(const Statistics& stats, const Options& options);

}  // namespace verlano
