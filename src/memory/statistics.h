#pragma once
// The player's record, per variant and opponents' level ("nine.classic",
// "romane-extra.expert"): matches played, won and lost, their hands, the
// player's side's sweeps and the points each side scored in them, and the
// best and current winning streaks; apart from these, the matches in which a
// play was taken back. A match is counted, hands and all, when it ends, so
// every column counts the same matches. A match given up for a new one
// counts as played, neither won nor lost, and ends the streak.
// Beside the rows, the player's rating in each variant played to its end
// ("nine.rating"; memory/player_rating.h reckons it).

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "rules/scoring.h"
#include "rules/settings.h"

namespace verlano {

inline constexpr std::string_view kStatisticsHeader = "verlano-statistics 1";

struct StatisticsRow {
  int played = 0, won = 0, lost = 0;
  int hands = 0, sweeps = 0;
  int bestStreak = 0, streak = 0;
  // Counted since this version of the game: an older file's rows read as 0.
  int pointsFor = 0, pointsAgainst = 0;
  // Matches in which a play was taken back, counted here and in none of the
  // counts above; a given-up one is played, neither won nor lost.
  int takenBackPlayed = 0, takenBackWon = 0, takenBackLost = 0;
  bool operator==(const StatisticsRow&) const = default;
};

// The player's Elo-style rating and the finished matches it rests on.
struct PlayerRating {
  int rating = 0;
  int matches = 0;
  bool operator==(const PlayerRating&) const = default;
};

// Counts stop here, the loader's limit, so that what is written reads back.
inline constexpr int kMostCounted = 1'000'000'000;

// The ratings a file may hold, and so the bounds of an estimate.
inline constexpr int kLowestRating = 0;
inline constexpr int kHighestRating = 4000;

struct Statistics {
  std::map<std::string, StatisticsRow, std::less<>> rows;
  std::map<std::string, PlayerRating, std::less<>> ratings;  // by RatingKey
  bool operator==(const Statistics&) const = default;
};

// The row's name for a match of these options.
std::string StatisticsKey(const Options& options);

// The name of the player's rating in these options' variant ("nine.rating",
// "romane-extra.rating"): the levels' strengths differ between variants.
std::string RatingKey(const Options& options);

// Every row name the game can count.
bool KnownStatisticsKey(std::string_view key);

// A match decided or given up, with the hands, sweeps and points of `tally`.
void CountMatch(Statistics& stats, const Options& options, const MatchTally& tally, bool won);
void CountGivenUp(Statistics& stats, const Options& options, const MatchTally& tally);
// A match in which a play was taken back, won, lost or (nothing) given up:
// its hands stay out of the row with it.
void CountTakenBackMatch(Statistics& stats, const Options& options, std::optional<bool> won);

// The share of the matches played that were won, in whole percent rounded to
// the nearest; -1 before any match.
int WinPercent(const StatisticsRow& row);

std::string WriteStatistics(const Statistics& stats);
// A RecordError when a row is unknown, a number is out of range or the
// numbers disagree (more won than played, a streak beyond the best).
Statistics ReadStatistics(std::string_view text);

}  // namespace verlano
