#include "render/compose_frame.h"

#include <algorithm>

#include "render/draw_table.h"
#include "render/play_log_view.h"
#include "render/seat_labels.h"
#include "render/table_areas.h"

namespace verlano {

namespace {

constexpr int kCursorHotSpot = 16;
constexpr int kCursorSize = 32;
constexpr int kScoreStripY = 5;

}  // namespace

void ComposeFrame(const Game& game, ResourceSlots& slots, Screen& screen, const TimeOfDay& now,
                  int mouseX, int mouseY, const TableNotes& notes) {
  BltFastClip(screen, slots.Background, screen.BackBuffer, screen.BackRect, 0, 0, false);
  BltFastClip(screen, slots.ScorePage, screen.BackBuffer, screen.BackRect, kScoreStripX,
              kScoreStripY, true);
  DrawSeatLabels(game, slots, screen);
  DrawTable(game, slots, screen, now, notes);
  DrawTableNotes(game, notes, slots, screen);
  // The score page covers the table, the story with it: over the page the
  // column would hide their pile and the ends of the page's lines.
  if (notes.PlayLogShown && !ScorePageShown(game, notes)) {
    // Over the table the column leaves the right seat's label and the clock in sight.
    const Rect label = SeatLabelRect(game, slots.SmallFont, 1, SeatLabelText(game, 1));
    ComposePlayLog(game, slots, screen, kPlayLogOverTableX, notes.Last,
                   std::min(label.Top, ClockRect(game).Top));
  }
  // A pointer beyond the table's edge (in a wide screen's margin) is held at
  // the edge: the game's pointer would sit there, over the clock.
  if (mouseX < screen.BackBuffer.Width && mouseY < screen.BackBuffer.Height) {
    BltFastClip(screen, slots.Cursor, screen.BackBuffer, Rect{0, 0, kCursorSize, kCursorSize},
                mouseX - kCursorHotSpot, mouseY - kCursorHotSpot, true);
  }
}

}  // namespace verlano
