// The match and the hand's score as the rules keep them: the target is the
// variant's; the history is one score page (its rows adding up to the
// totals, less the equal totals a tie above the target carried over, and
// the statistics' tally no more than they); a match goes on only while no
// side is past the target and ahead; and once a side has taken a card, the
// hand's score is the one its cards give.

#include "game/engine_view.h"
#include "memory/match_check.h"
#include "rules/game.h"

namespace verlano {

namespace {

bool Decided(const MatchState& m) {
  return (m.OurMatchTotal > m.MatchTarget && m.OurMatchTotal > m.TheirMatchTotal) ||
         (m.TheirMatchTotal > m.MatchTarget && m.TheirMatchTotal > m.OurMatchTotal);
}

int Sum(const std::array<int, 41>& rows, int count) {
  int sum = 0;
  for (int i = 0; i < count; ++i) sum += rows[i];
  return sum;
}

void CheckHistory(const Game& game) {
  const MatchState& m = game.match;
  const int rows = HistoryRowsPerPage(game);
  Require(m.HistoryCount <= rows, "its history lists " + std::to_string(m.HistoryCount) +
                                      " hands where a score page holds " + std::to_string(rows));
  // Rows hold hand totals, or the totals carried to a new page; a tie above
  // the target starts an empty page with both totals carried, equal.
  const int ours = m.OurMatchTotal - Sum(m.OurHistory, m.HistoryCount);
  const int theirs = m.TheirMatchTotal - Sum(m.TheirHistory, m.HistoryCount);
  Require(ours == theirs && (ours == 0 || ours > m.MatchTarget),
          "its history does not add up to its totals");
  // A carried row starts a page the totals carried over to, so the rows add up.
  Require(!m.FirstRowCarried || (m.HistoryCount > 0 && ours == 0),
          "its history carries a row it cannot hold");
  // The tally sums the hands' points since the totals were last zero, or
  // fewer in a match kept before it.
  Require(m.Tally.PointsFor <= m.OurMatchTotal && m.Tally.PointsAgainst <= m.TheirMatchTotal,
          "its tally counts more points than its totals");
}

void CheckOutcome(const Game& game) {
  const MatchState& m = game.match;
  const bool handOver = game.turn.GameState == PlayState::HandOver;
  const bool decided = Decided(m);
  Require(m.MatchTarget == game.settings.Rules.MatchTarget,
          "its target is not the variant's " + std::to_string(game.settings.Rules.MatchTarget));
  // A hand's end decides the match when its totals do; play goes on only in
  // a match not decided.
  Require(m.MatchOver == decided && (handOver || !decided),
          "its totals " + std::to_string(m.OurMatchTotal) + " to " +
              std::to_string(m.TheirMatchTotal) + (decided ? " decide" : " do not decide") +
              " the match, which it says is " + (m.MatchOver ? "over" : "going on"));
  const bool tie = m.OurMatchTotal == m.TheirMatchTotal && m.OurMatchTotal > m.MatchTarget;
  Require((m.Result == MatchResult::TieOverTarget) == (handOver && tie),
          "its tie above the target disagrees with its totals");
  const bool won = m.OurMatchTotal > m.TheirMatchTotal;
  if (m.MatchOver) {
    Require(m.Result == (won ? MatchResult::Won : MatchResult::Lost),
            "its result disagrees with its totals");
  } else if (handOver || m.HistoryCount > 0 || m.OurMatchTotal > 0 || m.TheirMatchTotal > 0) {
    // The last match's result stays until the first hand of the next one ends.
    Require(m.Result == MatchResult::None || m.Result == MatchResult::TieOverTarget,
            "it has a result for a match going on");
  }
  if (handOver) {
    Require(m.HistoryCount > 0 && m.OurHistory[m.HistoryCount - 1] == game.score.We.Total &&
                m.TheirHistory[m.HistoryCount - 1] == game.score.They.Total,
            "its history does not end with the hand just scored");
  }
}

bool SameScore(const SideScore& a, const SideScore& b) {
  return a.Total == b.Total && a.Sweeps == b.Sweeps && a.PrimieraPoint == b.PrimieraPoint &&
         a.PrimieraSum == b.PrimieraSum && a.Settebello == b.Settebello &&
         a.KingOfCoins == b.KingOfCoins && a.MostCoins == b.MostCoins && a.Coins == b.Coins &&
         a.CoinPoints == b.CoinPoints && a.MostCards == b.MostCards;
}

// Scored again from the sides' cards, in a game of its own.
void CheckHandScore(const Game& game) {
  const Piles& p = game.piles;
  Require(game.score.We.Sweeps == p.Our.SweepCount && game.score.They.Sweeps == p.Their.SweepCount,
          "its sweeps scored differ from its sweep marks");
  // Before the hand's first capture the items are still the last hand's.
  if (p.Our.CardCount == 0 && p.Their.CardCount == 0) return;
  Game again(Options{}, 0);
  again.settings = game.settings;
  again.piles = game.piles;
  again.score = game.score;
  ScoreHand(again);
  Require(SameScore(again.score.We, game.score.We) && SameScore(again.score.They, game.score.They),
          "its hand's score is not the one its sides' cards give");
}

}  // namespace

void CheckScores(const Game& game) {
  CheckHistory(game);
  CheckOutcome(game);
  CheckHandScore(game);
}

}  // namespace verlano
