#include "render/seat_labels.h"

#include "i18n/translate.h"
#include "render/table_areas.h"
#include "rules/game.h"
#include "rules/level_names.h"

namespace verlano {

namespace {

constexpr int kInset = 3;       // from the hand's or the pile's left edge
constexpr int kBelowHand = 9;   // below a bottom hand, under its turn mark
constexpr int kBesideHand = 6;  // beside a top hand, above the table's top places
constexpr int kClockGap = 4;    // the bottom right label ends before the clock

void DrawAt(clsDXBitmapFont& font, Screen& screen, const Rect& at, const std::string& text) {
  font.XPos = static_cast<float>(at.Left);
  font.YPos = static_cast<float>(at.Top);
  font.DrawText(screen, screen.BackBuffer, text, true);
}

}  // namespace

std::string SeatName(int seat) {
  switch (seat) {
    case 0:
      return P_("table", "You");
    case 1:
      return P_("table", "Right");
    case 2:
      return P_("table", "Partner");
    default:
      return P_("table", "Left");
  }
}

std::string SeatLabelText(const Game& game, int seat) {
  if (seat == 0) return SeatName(seat);
  const PlayerLevel level = seat == 2 ? game.settings.PartnerLevel : game.settings.OpponentsLevel;
  return SeatName(seat) + " (" + _(LevelCaption(level)) + ")";
}

std::string PileLabelText(int side) {
  return side == kSideWe ? P_("table", "WE") : P_("table", "THEY");
}

Rect SeatLabelRect(const Game& game, const clsDXBitmapFont& font, int seat, std::string_view text) {
  const Rect hand = HandRect(game, seat);
  const int width = font.TextWidth(text);
  // The top hands' labels face each other across the strip above the table's
  // top places; the bottom hands' lie at the screen's foot, the right one's
  // left of the clock.
  int left = hand.Left + kInset;
  int top = hand.Bottom + kBelowHand;
  if (seat == 2 || seat == 3) {
    top = hand.Top + kInset;
    left = seat == 3 ? hand.Right + kBesideHand : hand.Left - kBesideHand - width;
  } else if (seat == 1) {
    left = ClockRect(game).Left - kClockGap - width;
  }
  return Rect{left, top, left + width, top + font.height};
}

Rect PileLabelRect(const Game& game, const clsDXBitmapFont& font, int side,
                   std::string_view text) {
  // Beside the pile's foot on its outer side: below the sweep marks standing
  // over the pile, above the human's lifted hand card.
  const Rect pile = PileRect(game, side);
  const int width = font.TextWidth(text);
  const int left = side == kSideWe ? pile.Left - kInset - width : pile.Right + kInset;
  const int top = HandRect(game, 0).Top - font.height;
  return Rect{left, top, left + width, top + font.height};
}

void DrawSeatLabels(const Game& game, ResourceSlots& slots, Screen& screen) {
  clsDXBitmapFont& font = slots.SmallFont;
  for (int seat = 0; seat < 4; ++seat) {
    const std::string text = SeatLabelText(game, seat);
    DrawAt(font, screen, SeatLabelRect(game, font, seat, text), text);
  }
  for (const int side : {kSideWe, kSideThey}) {
    const std::string text = PileLabelText(side);
    DrawAt(font, screen, PileLabelRect(game, font, side, text), text);
  }
}

}  // namespace verlano
