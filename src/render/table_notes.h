#pragma once
// What the table tells the player, beyond the cards: a quiet mark beside the
// hand of the seat the game waits for, one message line, the hand card under
// the pointer that a click would play, drawn lifted, the cards a hint lights,
// and the sides' last captures laid open; at a hand's end, whether its last
// table stays on show and which pile lies open on the score page. The game's
// flow decides them (game/table_talk.h, game/hand_end_view.h); this draws
// them and says where, so that none of them covers a card that can be
// clicked, a pile or a hand.

#include <string>
#include <string_view>

#include "platform/screen.h"
#include "render/last_table.h"
#include "render/pile_sheet.h"
#include "render/resource_slots.h"
#include "render/review_page.h"
#include "render/table_areas.h"
#include "rules/legal_captures.h"

namespace verlano {

struct Game;

struct TableNotes {
  int MarkerSeat = -1;  // the seat whose hand gets the mark; -1 for none
  std::string Message;  // empty for none
  int LiftedHandSlot = -1;
  TableSet LitTable = 0;        // table entries a hint lights
  int LitHandSlot = -1;         // the hand card the expert would play
  int LastCaptureSides = 0;     // sides whose last capture is laid open: bit 0 WE, bit 1 THEY
  bool TableClickable = false;  // the player chooses a capture: the table cards take clicks
  int KeyTableEntry = -1;       // the table card the keyboard's highlight is on
  bool LastTableHeld = false;   // the hand is over, its table kept on show before the score page
  LastTable Last = {};          // that table, and where its remainder went (the story says)
  PileSheet OpenPile = {};      // a side's pile laid open on the score page
  bool PlayLogShown = false;    // the hand's story over the table's right side (S, 4:3 screen)
  ReviewSheet Review = {};      // the review of the player's plays, over the score page (V)
  std::string HintWhy = {};     // why the hint's card, over it (small font); empty for none
  std::string HintAhead = {};   // and by how much, under that
  bool operator==(const TableNotes&) const = default;
};

// The hand is over and its score page, not its last table, is on show.
bool ScorePageShown(const Game& game, const TableNotes& notes);

// The strip the message line is drawn in: between the piles, below the
// table's lowest places and above the human's lifted hand card, a hint's
// outlines included. Every table text fits its width (tests/render).
Rect MessageBandRect(const Game& game);

// Where `text` goes in `font`: at the foot of the band, centred across the
// screen or, when that would leave the band, moved back into it.
Rect MessageLineRect(const Game& game, const clsDXBitmapFont& font, std::string_view text);

// The mark under a seat's hand (above nothing that can be clicked).
Rect TurnMarkRect(const Game& game, int seat);

// Where a hint's two lines lie: at the foot of the message band, in place
// of the message line, centred on the lit hand card as far as the band allows.
Rect HintLineRect(const Game& game, const TableNotes& notes, const clsDXBitmapFont& small,
                  std::string_view text, int line);

// The mark, the last captures asked for, the hint's reason and the message
// line; the score page says its own line instead, and the last table kept on
// show says how to go on.
void DrawTableNotes(const Game& game, const TableNotes& notes, ResourceSlots& slots,
                    Screen& screen);

}  // namespace verlano
