#pragma once
// What the table tells the player in a frame, decided from the game and what
// the player does: whose hand gets the turn mark, the message line, the hand
// card a click would play (drawn lifted), the cards a hint lights and the
// last captures laid open. It reads and never changes the game, so the
// frames the simulator skips composing play exactly as those it draws.

#include "render/table_notes.h"

namespace verlano {

struct Game;
struct ExpertHint;

struct TalkInput {
  bool paused = false;  // the player's P pause
  int mouseX = 0, mouseY = 0;
  bool lookBack = false;               // Space held: both sides' last captures
  const ExpertHint* expert = nullptr;  // H held with hints on: the expert's play
  int keyHandSlot = -1;                // the keyboard's highlight, -1 for none
  int keyTableEntry = -1;
  bool playLog = false;    // S shows the hand's story over the table
  bool takenBack = false;  // the turn under way was brought back by U
};

TableNotes TableTalk(const Game& game, const TalkInput& input);

}  // namespace verlano
