#include "render/table_notes.h"

#include "render/fill_rect.h"
#include "render/last_capture_view.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kGapAboveHand = 9;
constexpr int kMarkGap = 4;  // below the hand's lower edge
// Clear of the table's top right place and of the clock, under either deck.
constexpr int kMarkInset = 40;
constexpr int kMarkWidth = 50;
constexpr int kMarkHeight = 4;

struct HandCorner {
  int x, y;
};

HandCorner HandCornerOf(const Layout& l, int seat) {
  switch (seat) {
    case 1:
      return {l.Hand1X, l.Hand1Y};
    case 2:
      return {l.Hand2X, l.Hand2Y};
    case 3:
      return {l.Hand3X, l.Hand3Y};
    default:
      break;
  }
  return {l.Hand0X, l.Hand0Y};
}

}  // namespace

Rect MessageLineRect(const Game& game, const clsDXBitmapFont& font, std::string_view text) {
  const int n = static_cast<int>(text.size());
  const int width = n == 0 ? 0 : (font.width - 2) * (n - 1) + font.width;
  const int left = (game.settings.ScreenWidth - width) / 2;
  const int top = game.layout.Hand0Y - kGapAboveHand - font.height;
  return Rect{left, top, left + width, top + font.height};
}

Rect TurnMarkRect(const Game& game, int seat) {
  const HandCorner hand = HandCornerOf(game.layout, seat);
  const int top = hand.y + kCardHeight + kMarkGap;
  return Rect{hand.x + kMarkInset, top, hand.x + kMarkInset + kMarkWidth, top + kMarkHeight};
}

void DrawTableNotes(const Game& game, const TableNotes& notes, ResourceSlots& slots,
                    Screen& screen) {
  if (notes.MarkerSeat >= 0 && notes.MarkerSeat < 4) {
    FillRect(screen, screen.BackBuffer, TurnMarkRect(game, notes.MarkerSeat), kMarkColour);
  }
  DrawLastCaptures(game, notes.LastCaptureSides, slots, screen);
  if (notes.Message.empty() || game.turn.GameState == PlayState::EndOfMatch) return;
  clsDXBitmapFont& font = slots.DeluxeFont;
  const Rect line = MessageLineRect(game, font, notes.Message);
  font.XPos = static_cast<float>(line.Left);
  font.YPos = static_cast<float>(line.Top);
  font.DrawText(screen, screen.BackBuffer, notes.Message, true);
}

}  // namespace verlano
