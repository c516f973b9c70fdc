#pragma once
// The flights of a capture: the taken cards gather onto the card just played,
// then all of them fly to the side's pile spot (or, for a sweep, the sweeping
// card to the side's next sweep mark). Each starts only when nothing moves.

namespace verlano {

struct Game;

// Every table card marked to capture flies onto the card just played.
void GatherCaptured(Game& game);
// The played card and the taken cards fly face down to (px, py) plus a small
// random offset; their table places are freed.
void SendCapturedToPile(Game& game, int px, int py);
// Marks every table card to be taken (the remainder at the end of a hand).
void MarkAllTableCards(Game& game);
// A sweep: the sweeping card goes face up to the side's next mark, the taken
// cards face down to the pile spot, with no offset.
void StartSweepFlight(Game& game, bool ours);

}  // namespace verlano
