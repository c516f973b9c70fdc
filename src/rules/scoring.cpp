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
  m.Result = MatchResult::None;
  if (m.OurMatchTotal > m.MatchTarget && m.TheirMatchTotal < m.OurMatchTotal) {
    m.Result = MatchResult::Won;
    game.sound->PlaySound(kMatchWonSound);
    m.MatchOver = true;
  } else if (m.TheirMatchTotal > m.MatchTarget) {
    if (m.OurMatchTotal < m.TheirMatchTotal) {
      m.Result = MatchResult::Lost;
      game.sound->PlaySound(kMatchLostSound);
      m.MatchOver = true;
    } else {
      game.sound->PlaySound(kHandEndSound);
      m.Result = MatchResult::TieOverTarget;
    }
  } else {
    game.sound->PlaySound(kHandEndSound);
  }
}

void SetMatchTarget(Game& game) {
  game.match.MatchTarget = game.settings.Rules.MatchTarget;
}

}  // namespace verlano
