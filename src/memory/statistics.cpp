#include "memory/statistics.h"

#include "memory/field_io.h"
#include "memory/option_words.h"
#include "memory/shown_text.h"

namespace verlano {

namespace {

constexpr int kMost = kMostCounted;

void AddUpTo(int& count, int more) {
  count = more > kMost - count ? kMost : count + more;
}

template <typename V, typename R>
void VisitRow(V& v, R& r) {
  v.Int("played", r.played, 0, kMost);
  v.Int("won", r.won, 0, kMost);
  v.Int("lost", r.lost, 0, kMost);
  v.Int("hands", r.hands, 0, kMost);
  v.Int("sweeps", r.sweeps, 0, kMost);
  v.Int("best-streak", r.bestStreak, 0, kMost);
  v.Int("streak", r.streak, 0, kMost);
  v.IntIfPresent("points-for", r.pointsFor, 0, kMost);
  v.IntIfPresent("points-against", r.pointsAgainst, 0, kMost);
  v.IntIfPresent("taken-back-played", r.takenBackPlayed, 0, kMost);
  v.IntIfPresent("taken-back-won", r.takenBackWon, 0, kMost);
  v.IntIfPresent("taken-back-lost", r.takenBackLost, 0, kMost);
}

template <typename V, typename R>
void VisitRating(V& v, R& r) {
  v.Int("rating", r.rating, kLowestRating, kHighestRating);
  v.Int("matches", r.matches, 1, kMost);
}

std::string VariantKey(Variant variant, bool extra) {
  std::string key(VariantWord(variant));
  if (extra && variant == Variant::Romane) key += "-extra";
  return key;
}

StatisticsRow& RowFor(Statistics& stats, const Options& options) {
  return stats.rows[StatisticsKey(options)];
}

}  // namespace

std::string StatisticsKey(const Options& options) {
  for (const auto& [word, level] : kLevelWords) {
    if (level == options.opponents) {
      return VariantKey(options.variant, options.extraCoinPoints) + "." + std::string(word);
    }
  }
  return VariantKey(options.variant, options.extraCoinPoints);
}

std::string RatingKey(const Options& options) {
  return VariantKey(options.variant, options.extraCoinPoints) + ".rating";
}

namespace {

// Every name of `of` over the variants and, for the rows, the levels.
template <typename Of>
std::set<std::string, std::less<>> EveryKey(Of of) {
  std::set<std::string, std::less<>> all;
  for (const auto& [variantWord, variant] : kVariantWords) {
    for (const bool extra : {false, true}) {
      for (const auto& [levelWord, level] : kLevelWords) {
        Options o;
        o.variant = variant;
        o.extraCoinPoints = extra;
        o.opponents = level;
        all.insert(of(o));
      }
    }
  }
  return all;
}

bool KnownRatingKey(std::string_view key) {
  static const std::set<std::string, std::less<>> keys = EveryKey(RatingKey);
  return keys.contains(key);
}

}  // namespace

bool KnownStatisticsKey(std::string_view key) {
  static const std::set<std::string, std::less<>> keys = EveryKey(StatisticsKey);
  return keys.contains(key);
}

int WinPercent(const StatisticsRow& row) {
  if (row.played <= 0) return -1;
  return static_cast<int>((200LL * row.won + row.played) / (2LL * row.played));
}

namespace {

// The row a match of `options` ends in, with the match played and its hands
// counted; none once played is at its limit, which bounds every other count
// of matches, so that the row stands still.
StatisticsRow* CountPlayed(Statistics& stats, const Options& options, const MatchTally& tally) {
  StatisticsRow& row = RowFor(stats, options);
  if (row.played == kMost) return nullptr;
  row.played += 1;
  AddUpTo(row.hands, tally.Hands);
  AddUpTo(row.sweeps, tally.Sweeps);
  AddUpTo(row.pointsFor, tally.PointsFor);
  AddUpTo(row.pointsAgainst, tally.PointsAgainst);
  return &row;
}

}  // namespace

void CountMatch(Statistics& stats, const Options& options, const MatchTally& tally, bool won) {
  StatisticsRow* row = CountPlayed(stats, options, tally);
  if (row == nullptr) return;
  (won ? row->won : row->lost) += 1;
  row->streak = won ? row->streak + 1 : 0;
  if (row->streak > row->bestStreak) row->bestStreak = row->streak;
}

void CountGivenUp(Statistics& stats, const Options& options, const MatchTally& tally) {
  if (StatisticsRow* row = CountPlayed(stats, options, tally)) row->streak = 0;
}

void CountTakenBackMatch(Statistics& stats, const Options& options, std::optional<bool> won) {
  StatisticsRow& row = RowFor(stats, options);
  if (row.takenBackPlayed == kMost) return;
  row.takenBackPlayed += 1;
  if (won) (*won ? row.takenBackWon : row.takenBackLost) += 1;
}

std::string WriteStatistics(const Statistics& stats) {
  RecordWriter out(kStatisticsHeader);
  CardTables noCards;
  // A row without take-backs is written as before they were counted.
  const RecordFields noTakeBacks = {
      {"taken-back-played", "0"}, {"taken-back-won", "0"}, {"taken-back-lost", "0"}};
  for (const auto& [key, row] : stats.rows) {
    FieldWriter v(noCards, &noTakeBacks);
    VisitRow(v, row);
    out.Line(key, v.Text());
  }
  for (const auto& [key, rating] : stats.ratings) {
    FieldWriter v(noCards);
    VisitRating(v, rating);
    out.Line(key, v.Text());
  }
  return out.Finish();
}

Statistics ReadStatistics(std::string_view text) {
  const Records records = ParseRecords(text, kStatisticsHeader, true);
  Statistics stats;
  CardTables noCards;
  for (const auto& [key, fields] : records.lines) {
    if (KnownRatingKey(key)) {
      PlayerRating rating;
      FieldReader v(fields, key, noCards, true);
      VisitRating(v, rating);
      v.Done();
      stats.ratings[key] = rating;
      continue;
    }
    if (!KnownStatisticsKey(key)) {
      throw RecordError("it counts an unknown variant and level '" + Shown(key, 30) + "'");
    }
    StatisticsRow row;
    FieldReader v(fields, key, noCards, true);
    VisitRow(v, row);
    v.Done();
    if (row.won + row.lost > row.played || row.streak > row.bestStreak ||
        row.bestStreak > row.won || row.takenBackWon + row.takenBackLost > row.takenBackPlayed) {
      throw RecordError("its '" + key + "' line has numbers that disagree");
    }
    stats.rows[key] = row;
  }
  return stats;
}

}  // namespace verlano
