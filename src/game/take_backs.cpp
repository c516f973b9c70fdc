#include "game/take_backs.h"

#include "game/game_run.h"

namespace verlano {

namespace {

// The player is at the newest point's turn, nothing played from it yet.
bool AtNewestPoint(const TakeBacks& takeBacks, const Game& game) {
  return !takeBacks.points.empty() && !game.turn.HumanPicked &&
         takeBacks.points.back().cardsPlayed == game.piles.CardsPlayed;
}

}  // namespace

void NoteTakeBackPoint(TakeBacks& takeBacks, const Game& game, const MatchText& text) {
  if (!game.settings.AllowTakeBacks || !text.Write) return;
  if (game.turn.GameState == PlayState::HandOver) return;
  if (AtNewestPoint(takeBacks, game)) takeBacks.points.pop_back();
  takeBacks.points.push_back({game.piles.CardsPlayed, text.Write(game)});
}

bool FollowTakeBacks(GameRun& run, bool asked) {
  TakeBacks& takeBacks = run.takeBacks;
  // Seen at every frame's start, even paused: a hand dealt from a paused
  // score page must not reach back into the hand before it.
  if (run.game.turn.GameState == PlayState::HandOver) {
    if (!takeBacks.points.empty()) takeBacks = TakeBacks{};
    return false;
  }
  if (!asked) return false;
  // At a turn not yet played from, the turn before it.
  const bool atTurn = AtNewestPoint(takeBacks, run.game);
  if (takeBacks.points.size() < (atTurn ? 2U : 1U)) return false;
  if (atTurn) takeBacks.points.pop_back();
  const TakeBackPoint& point = takeBacks.points.back();
  Game restored(run.options, 0, &run.sound);
  if (!run.start.matchText.Read(point.match, restored)) {
    takeBacks = TakeBacks{};
    return false;
  }
  restored.match.TakenBack = true;
  // A seat's search under way was for the game replaced: its play is never
  // taken, and the seed it held is drawn again from the stream restored.
  run.search.Abandon();
  restored.search = &run.search;
  run.game = std::move(restored);
  run.keyboard = KeyboardPlay{};
  takeBacks.toldTurn = point.cardsPlayed;
  // The turn brought back is a new quiet moment: kept (now taken back) and
  // noted again in place of its point.
  run.WasQuiet = false;
  return true;
}

}  // namespace verlano
