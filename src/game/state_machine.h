#pragma once
// The play state machine that drives every hand, as one table: for each of
// the 18 play states, its step (what one frame does in it) and its landing
// (what a flying card's arrival does in it). A step moves the cards in flight
// through the drivers, or, when nothing moves, takes the state's next action:
// deal a card, reveal a table card, let a seat play, start a capture's
// flights. The one timed element is the "PAUSED" state, on the game clock.

#include <cstdint>

namespace verlano {

struct Game;
struct CardSprite;

// One step of the machine; `tickNow` is the frame's clock in milliseconds.
void StepGameState(Game& game, std::uint64_t tickNow);

// The R key's request: the hand gathers, sorts and spreads again, when the
// human holds a whole hand, it is their turn and nothing moves; else nothing.
void RequestHandSort(Game& game);

// True when a moving sprite has come within the arrival tolerance of its
// target; it then stops where it is and the landing of the current state runs.
bool CardArrived(Game& game, CardSprite& sprite);

}  // namespace verlano
