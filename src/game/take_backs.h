#pragma once
// Take-backs for a learner ("Allow take-backs"): the player's turns of the
// hand under way, each kept as the kept match's own text at the moment the
// turn began, so that U can load the newest into a fresh game exactly as a
// continued match is loaded and the player is at that turn again. Pressed
// once more, U goes a turn further back; the hand's end forgets them. The
// points live in the run, never in a file.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace verlano {

struct Game;
struct GameRun;

// The kept match's text, written from a game and read into a fresh one of
// the same options (false when the text is refused); game/ sits below the
// player's files, so the run is handed the two.
struct MatchText {
  std::function<std::string(const Game&)> Write;
  std::function<bool(std::string_view, Game&)> Read;
};

// One turn of the player to go back to.
struct TakeBackPoint {
  int cardsPlayed = 0;  // the hand's cards played before the turn: which turn it is
  std::string match;    // with the hand's story, which the match file keeps
};

struct TakeBacks {
  std::vector<TakeBackPoint> points;  // the hand's turns, oldest first
  int toldTurn = -1;                  // the turn a take-back brought back, for the table to say
};

// At a new quiet moment (game/quiet_moment.h): the player's turn is kept, in
// place of one kept at the same turn (a sort, or the turn brought back).
void NoteTakeBackPoint(TakeBacks& takeBacks, const Game& game, const MatchText& text);

// At a frame's start: the hand's end forgets the turns kept; else, when
// `asked` (U), the player's newest turn before the play under way, or before
// the turn the player is at, is loaded in place of the game. False (nothing
// changed) when there is none.
bool FollowTakeBacks(GameRun& run, bool asked);

}  // namespace verlano
