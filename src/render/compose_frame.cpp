#include "render/compose_frame.h"

#include "render/draw_table.h"
#include "render/play_log_view.h"
#include "render/seat_labels.h"

namespace verlano {

namespace {

constexpr int kCursorHotSpot = 16;
constexpr int kCursorSize = 32;
constexpr int kScoreStripX = 780;
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
    ComposePlayLog(game, slots, screen, kPlayLogOverTableX, notes.Last);
  }
  BltFastClip(screen, slots.Cursor, screen.BackBuffer, Rect{0, 0, kCursorSize, kCursorSize},
              mouseX - kCursorHotSpot, mouseY - kCursorHotSpot, true);
}

}  // namespace verlano
