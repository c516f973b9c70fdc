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
  const int n = static_cast<int>(text.size());
  const int width = n == 0 ? 0 : (font.width - 2) * (n - 1) + font.width;
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

void DrawTableNotes(const Game& game, const TableNotes& notes, ResourceSlots& slots,
                    Screen& screen) {
  if (notes.MarkerSeat >= 0 && notes.MarkerSeat < 4) {
    FillRect(screen, screen.BackBuffer, TurnMarkRect(game, notes.MarkerSeat), kMarkColour);
  }
  if (!notes.TableClickable) DrawLastCaptures(game, notes.LastCaptureSides, false, slots, screen);
  if (notes.Message.empty() || game.turn.GameState == PlayState::HandOver) return;
  clsDXBitmapFont& font = slots.DeluxeFont;
  const Rect line = MessageLineRect(game, font, notes.Message);
  font.XPos = static_cast<float>(line.Left);
  font.YPos = static_cast<float>(line.Top);
  font.DrawText(screen, screen.BackBuffer, notes.Message, true);
}

}  // namespace verlano
