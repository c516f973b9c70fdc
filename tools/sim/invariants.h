#pragma once
// What must hold of a game at every frame, at the end of every hand and at the
// end of every match. The simulator checks them all the way through its runs;
// each check returns an empty text when it holds, else what broke.

#include <string>

namespace verlano {
struct Game;
}

namespace verlano::sim {

// Each of the 40 cards in exactly one place (the deck, a hand, the table, a
// side's pile or sweep marks), every count agreeing with its array, the state
// one of the 18. A quick pass clears a sound frame; a frame it doubts gets
// the full checks.
std::string CheckFrame(const Game& game);

// The same checks without the quick pass: what CheckFrame says of any frame.
std::string CheckFrameInFull(const Game& game);

// At "END OF MATCH": the two sides' card lists hold the 40 cards between them,
// each side's hand total is the sum of its items and within the variant's
// points plus its sweeps, and the sweeps agree with the marks laid.
std::string CheckHandEnd(const Game& game);

// At "END OF MATCH": the match's target is the variant's, a decided match's
// result agrees with the totals and the target, and a match that goes on has
// no side past the target ahead.
std::string CheckMatchEnd(const Game& game);

}  // namespace verlano::sim
