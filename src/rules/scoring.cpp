#include "rules/scoring.h"

#include "rules/game.h"

namespace verlano {

int SweepPoints(const Game& game, const SideScore& score) {
  return score.Sweeps * game.settings.Rules.Points.PerSweep;
}

int HistoryRowsPerPage(const Game& game) {
  return game.settings.Rules.HistoryRows;
}

void RecordHandScore(Game& game) {
  MatchState& m = game.match;
  if (m.HistoryCount == HistoryRowsPerPage(game)) {
    m.OurHistory[0] = m.OurMatchTotal;
    m.TheirHistory[0] = m.TheirMatchTotal;
    m.HistoryCount = 1;
    m.FirstRowCarried = true;
  }
  m.OurHistory[m.HistoryCount] = game.score.We.Total;
  m.TheirHistory[m.HistoryCount] = game.score.They.Total;
  m.HistoryCount += 1;
  m.OurMatchTotal += game.score.We.Total;
  m.TheirMatchTotal += game.score.They.Total;
  m.Tally.Hands += 1;
  m.Tally.Sweeps += game.score.We.Sweeps;
  m.Tally.PointsFor += game.score.We.Total;
  m.Tally.PointsAgainst += game.score.They.Total;
  m.Result = MatchResultOf(m.OurMatchTotal, m.TheirMatchTotal, m.MatchTarget);
  if (m.Result == MatchResult::Won || m.Result == MatchResult::Lost) m.MatchOver = true;
  game.sound->PlaySound(m.Result == MatchResult::Won    ? kMatchWonSound
                        : m.Result == MatchResult::Lost ? kMatchLostSound
                                                        : kHandEndSound);
}

MatchResult MatchResultOf(int ourTotal, int theirTotal, int target) {
  if (ourTotal > target && theirTotal < ourTotal) return MatchResult::Won;
  if (theirTotal <= target) return MatchResult::None;
  return ourTotal < theirTotal ? MatchResult::Lost : MatchResult::TieOverTarget;
}

void SetMatchTarget(Game& game) {
  game.match.MatchTarget = game.settings.Rules.MatchTarget;
}

}  // namespace verlano
