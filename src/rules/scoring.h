#pragma once
// The score of the hand under way, item by item (the engine counts it from
// both sides' taken cards after every capture: `ScoreHand` in
// game/engine_view.h), and the match: totals, the score page's history, the
// target and the won / lost / tie-above-target decision at each hand's end,
// and the match's tally for the player's statistics.

#include <array>

namespace verlano {

struct Game;

struct SideScore {
  int Total = 0;
  int Sweeps = 0;  // sweeps made, the one item that accumulates during a hand
  int PrimieraPoint = 0;
  int PrimieraSum = 0;
  int Settebello = 0;
  int KingOfCoins = 0;
  int MostCoins = 0;
  int Coins = 0;
  int CoinPoints = 0;
  int MostCards = 0;
};

struct HandScore {
  SideScore We;
  SideScore They;
};

// What the last hand's end decided: won, lost, a tie above the target (the
// match goes on, on a new score page), or none of these. Its words are the
// score page's and the match file's own.
enum class MatchResult { None, Won, Lost, TieOverTarget };

// What a match brings to the player's statistics when it ends, summed at each
// hand's end: its hands, our side's sweeps and each side's points. The
// statistics count them with the match, so that every column of a row counts
// the same matches. No rule reads them.
struct MatchTally {
  int Hands = 0;
  int Sweeps = 0;
  int PointsFor = 0;
  int PointsAgainst = 0;
  bool operator==(const MatchTally&) const = default;
};

struct MatchState {
  int OurMatchTotal = 0;
  int TheirMatchTotal = 0;
  int MatchTarget = 20;  // a side wins with more than this
  std::array<int, 41> OurHistory{};
  std::array<int, 41> TheirHistory{};
  int HistoryCount = 0;
  // The page restarted: its first row holds the totals carried over, not a hand.
  bool FirstRowCarried = false;
  // A won or lost match's result stays until the next one's first hand ends;
  // a tie above the target lasts until the next deal.
  MatchResult Result = MatchResult::None;
  bool MatchOver = false;
  // A play of this match was taken back: the statistics count it apart and
  // the player's rating leaves it out. No rule reads it.
  bool TakenBack = false;
  // A match kept before the tally holds only the hands played since: the
  // hands before were counted at their ends.
  MatchTally Tally{};
};

void RecordHandScore(Game& game);

// The match's result once a hand's points are in the totals: won when ours
// pass the target above theirs, lost when theirs do above ours, a tie above
// the target playing on.
MatchResult MatchResultOf(int ourTotal, int theirTotal, int target);
void SetMatchTarget(Game& game);

// Score-page rows before the history restarts: 3, 4 or 5 by variant.
int HistoryRowsPerPage(const Game& game);

// What a side's sweeps so far are worth in the variant played.
int SweepPoints(const Game& game, const SideScore& score);

}  // namespace verlano
