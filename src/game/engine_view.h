#pragma once
// The game as the compact engine sees it: the one place where the game's
// piles become an engine position and the engine's answers come back. The
// rules the engine decides (what a card may take, the classic player, the
// hand score) reach the game only through here.

#include <vector>

#include "engine/level.h"
#include "engine/position.h"
#include "rules/capture.h"
#include "rules/settings.h"

namespace verlano {

struct Game;

// A computer seat's decision: the hand position (from 0) to play, -1 for an
// empty hand, and the capture it makes (Count 0 for none).
struct ComputerPlay {
  int HandPosition = -1;
  CaptureChoice Capture;
};

// The hand in play as the engine keeps it, with `seat` to play, in the game's
// own orders (hand cards, table entries), so an engine move maps straight back.
engine::Position PositionOf(const Game& game, int seat);

// The classic player's decision for `seat` on the game as it stands, from
// the card memory the game keeps; it writes nothing, and returns its decision
// for the caller to apply.
ComputerPlay ClassicPlay(const Game& game, int seat);

// The engine's player for a level the options name.
engine::Level EngineLevel(PlayerLevel level);

// An engine move as the game's decision, and back.
ComputerPlay PlayOf(const engine::Move& move);
engine::Move MoveOf(const ComputerPlay& play);

// Scores the hand under way into `game.score` from both sides' taken cards,
// each item worth the variant's points. A side's sweep counts once each time
// the hand is scored while its flag is set, as the sweeps add up over a hand.
void ScoreHand(Game& game);

// Every legal capture of the card just played (the last table entry), as
// table positions, in the engine's order; none when the card is laid down.
std::vector<std::vector<int>> CapturesOfPlayedCard(const Game& game);

// How many table cards the first legal capture of the card just played (the
// last table entry) takes, in the engine's order; 0 when it takes nothing.
int FirstCaptureSize(const Game& game);

}  // namespace verlano
