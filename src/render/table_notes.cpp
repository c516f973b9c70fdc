#include "render/table_notes.h"

#include <algorithm>

#include "render/fill_rect.h"
#include "render/last_capture_view.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kMarkGap = 4;  // below the hand's lower edge
// Clear of the table's top right place and of the clock, under either deck.
constexpr int kMarkInset = 40;
constexpr int kMarkWidth = 50;
constexpr int kMarkHeight = 4;

}  // namespace

bool ScorePageShown(const Game& game, const TableNotes& notes) {
  return game.turn.GameState == PlayState::HandOver && !notes.LastTableHeld;
}

Rect MessageBandRect(const Game& game) {
  int top = 0;
  for (int place = 0; place < kTablePlaces; ++place) {
    top = std::max(top, TablePlaceRect(game, place).Bottom);
  }
  return Rect{PileRect(game, kSideWe).Right, top, PileRect(game, kSideThey).Left,
              HandRect(game, 0).Top};
}

Rect MessageLineRect(const Game& game, const clsDXBitmapFont& font, std::string_view text) {
  const Rect band = MessageBandRect(game);
  const int width = font.TextWidth(text);
  // Short lines stay centred on the table; a long one slides clear of the piles.
  const int centred = (game.settings.ScreenWidth - width) / 2;
  const int left = std::max(band.Left, std::min(centred, band.Right - width));
  const int top = band.Bottom - font.height;
  return Rect{left, top, left + width, top + font.height};
}

Rect TurnMarkRect(const Game& game, int seat) {
  const Rect hand = HandCardRect(game, seat, 0);
  const int top = hand.Bottom + kMarkGap;
  return Rect{hand.Left + kMarkInset, top, hand.Left + kMarkInset + kMarkWidth, top + kMarkHeight};
}

Rect HintLineRect(const Game& game, const TableNotes& notes, const clsDXBitmapFont& small,
                  std::string_view text, int line) {
  const Rect band = MessageBandRect(game);
  const Rect card = HandCardRect(game, 0, std::max(notes.LitHandSlot, 0));
  const int width = small.TextWidth(text);
  const int centred = (card.Left + card.Right - width) / 2;
  const int left = std::max(band.Left, std::min(centred, band.Right - width));
  const int top = band.Bottom - (2 - line) * (small.height + 2);
  return Rect{left, top, left + width, top + small.height};
}

void DrawTableNotes(const Game& game, const TableNotes& notes, ResourceSlots& slots,
                    Screen& screen) {
  if (notes.MarkerSeat >= 0 && notes.MarkerSeat < 4) {
    FillRect(screen, screen.BackBuffer, TurnMarkRect(game, notes.MarkerSeat), kMarkColour);
  }
  if (!notes.TableClickable) DrawLastCaptures(game, notes.LastCaptureSides, false, slots, screen);
  if (ScorePageShown(game, notes)) return;
  clsDXBitmapFont& font = slots.DeluxeFont;
  int hintLine = 0;
  for (const std::string* text : {&notes.HintWhy, &notes.HintAhead}) {
    const Rect at = HintLineRect(game, notes, slots.SmallFont, *text, hintLine++);
    if (!text->empty()) DrawTextAt(slots.SmallFont, screen, at.Left, at.Top, *text);
  }
  if (notes.Message.empty()) return;
  const Rect line = MessageLineRect(game, font, notes.Message);
  font.XPos = static_cast<float>(line.Left);
  font.YPos = static_cast<float>(line.Top);
  font.DrawText(screen, screen.BackBuffer, notes.Message, true);
}

}  // namespace verlano
