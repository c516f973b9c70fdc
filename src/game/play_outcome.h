#pragma once
// What a card's landing does to the hand: the capture it makes (the computer
// seat's choice, or the size the human's must have), whether that sweeps, and
// the gathering state that follows. The sweep and the last play are the
// engine's rulings (engine/play_rules.h), the ones its own plays follow.

namespace verlano {

struct Game;

// The card just played is the last play of the hand.
bool IsLastPlay(const Game& game);

// Called when the played card comes to rest on the table in "NORMAL PLAY".
// `humanCapture` is what the human's card must take, as the engine's legal
// captures say (the size of the first, 0 for none); the computer seats'
// `CaptureChoice` is committed instead.
void DecideCapture(Game& game, int humanCapture);

// Commits the computer seat's `CaptureChoice`; returns the number of cards taken.
int CommitComputerCapture(Game& game);

// Called when a WE capture's gathering ends; true when it sweeps the table.
bool CommitHumanCapture(Game& game);

}  // namespace verlano
