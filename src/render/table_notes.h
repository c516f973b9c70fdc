#pragma once
// What the table tells the player, beyond the cards: a quiet mark beside the
// hand of the seat the game waits for, one message line, and the hand card
// under the pointer that a click would play, drawn lifted. The game's flow
// decides them (game/table_talk.h); this draws them and says where, so that
// the message never covers a card that can be clicked.

#include <string>
#include <string_view>

#include "platform/screen.h"
#include "render/resource_slots.h"

namespace verlano {

struct Game;

struct TableNotes {
  int MarkerSeat = -1;  // the seat whose hand gets the mark; -1 for none
  std::string Message;  // empty for none
  int LiftedHandSlot = -1;
  bool operator==(const TableNotes&) const = default;
};

// How far the lifted hand card is drawn above its place.
inline constexpr int kHandCardLift = 6;

// Where `text` goes in `font`: centred across the screen in the gap between
// the table's lowest places and the human's hand.
Rect MessageLineRect(const Game& game, const clsDXBitmapFont& font, std::string_view text);

// The mark under a seat's hand (above nothing that can be clicked).
Rect TurnMarkRect(const Game& game, int seat);

// The mark and the message line; the score page says its own line instead.
void DrawTableNotes(const Game& game, const TableNotes& notes, ResourceSlots& slots,
                    Screen& screen);

}  // namespace verlano
