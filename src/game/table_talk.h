#pragma once
// What the table tells the player in a frame, decided from the game alone:
// whose hand gets the turn mark, the message line, and the hand card a click
// would play (drawn lifted). It reads and never changes the game, so the
// frames the simulator skips composing play exactly as those it draws.

#include "render/table_notes.h"

namespace verlano {

struct Game;

// `paused`: the player's P pause. (mouseX, mouseY): the pointer.
TableNotes TableTalk(const Game& game, bool paused, int mouseX, int mouseY);

}  // namespace verlano
