#pragma once
// The play state machine that drives every hand. One step per drawn frame:
// while a card flies, its group takes one movement step (and the landing runs
// the arrival actions); when nothing moves, the state's next action starts:
// deal a card, reveal a table card, let a seat play, start a capture's flights.
// The one timed element is the "PAUSED" state, measured on the game clock.

#include <cstdint>

namespace verlano {

struct Game;

// One step of the machine; `tickNow` is the frame's clock in milliseconds.
void StepGameState(Game& game, std::uint64_t tickNow);

// Pauses for `milliseconds` from the frame's clock, then resumes the state
// the machine is in now.
void StartPause(Game& game, std::uint32_t milliseconds);

// The hand slot of the n-th (from 0) present card among slots 0..11 of a
// seat's hand; 0 when there is none.
int SlotOfNthCard(const Game& game, int n, int seat);

}  // namespace verlano
