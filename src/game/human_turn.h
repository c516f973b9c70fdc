#pragma once
// The human's turn with the mouse (and the keyboard, through the same
// routines): a left click on a hand card plays it; when the played card
// captures, left clicks choose table cards and right clicks take a choice
// back until the chosen cards form a legal capture. Buttons are read as held,
// so each routine may run on many frames and repeats harmlessly.

#include "rules/play_state.h"

namespace verlano {

struct Game;
struct CardSprite;

// The human's pick is awaited (a sort of the hand delays it, nothing more).
bool AwaitsHumanPick(const TurnState& turn);

// A hand card can be played at once: "NORMAL PLAY", the human to play and
// not yet picked, nothing moving.
bool MayPlayHandCard(const Game& game);

// The human's hand slot holds a card that can be played at once.
bool PlayableHandSlot(const Game& game, int slot);

// The hand slot under (x, y), the card drawn on top where cards overlap, or -1.
// A hit counts only when the card can be played at once. The table drawing lifts it.
int PlayableHandSlotAt(const Game& game, int x, int y);

// Picks the human's card at `slot` when it can be played at once, marking the
// human as having picked; the slot, or -1.
int PickHandSlot(Game& game, int slot);

// `PickHandSlot` of the card under (x, y).
int PickHandCard(Game& game, int x, int y);

// A state in which a capture of WE is gathered: the human's clicks choose
// its cards when the human played it.
bool HumanChoosing(PlayState state);

// A table click is taken: the human's played card waits for the table cards
// it takes.
bool MayClickTable(const Game& game);

// Button 0 chooses the table card under (x, y), button 1 takes it back; a
// complete selection becomes the capture. Returns the table position hit, or 0.
int ClickTableCard(Game& game, int button, int x, int y);

// Chooses the table card at `position` (or takes it back) as a click does; a
// complete selection becomes the capture.
void ChooseTableCard(Game& game, int position, bool chosen);

// "Take the only capture automatically": while the human's played card waits
// for its cards and exactly one legal capture exists, its cards are chosen as
// clicks would choose them. True when it took the capture.
bool TakeTheOnlyCapture(Game& game);

// Sends a hand card flying to the lowest free table place, if nothing moves.
void PlayCardToTable(Game& game, CardSprite& card);

}  // namespace verlano
