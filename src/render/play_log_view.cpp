#include "render/play_log_view.h"

#include <algorithm>

#include "i18n/translate.h"
#include "render/card_corner.h"
#include "render/fill_rect.h"
#include "render/seat_labels.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kMargin = 4;
constexpr int kHeadingHeight = 24;
constexpr int kRowHeight = 38;
constexpr int kPlayedX = 74;  // clear of the longest seat name
constexpr int kTakenGap = 8;
constexpr int kTakenStep = 14;  // wide enough for an index while the row has room
constexpr int kSweepLine = 18;  // the sweep's word under the seat's name

Rect Shifted(const Rect& r, int dx) {
  return Rect{r.Left + dx, r.Top, r.Right + dx, r.Bottom};
}

}  // namespace

Screen MakePlayLogPanel() {
  return MakeScreen(kPlayLogWidth, kPlayLogHeight);
}

int PlayLogRows(const Game& game) {
  const int fit = (kPlayLogHeight - kHeadingHeight) / kRowHeight;
  return std::min(LoggedPlays(game.playLog), fit);
}

Rect PlayLogRowRect(int k) {
  const int top = kHeadingHeight + k * kRowHeight;
  return Rect{0, top, kPlayLogWidth, top + kRowHeight};
}

Rect PlayLogCardRect(const Game& game, int k, int card) {
  const Rect row = PlayLogRowRect(k);
  const int top = row.Top + (kRowHeight - kCornerHeight) / 2;
  int left = kPlayedX;
  if (card > 0) {
    // The taken cards close up when there are more than the row holds at full step.
    const int taken = PlayFromNewest(game.playLog, k).Cards.TakenCount;
    const int first = kPlayedX + kCornerWidth + kTakenGap;
    const int room = kPlayLogWidth - kMargin - kCornerWidth - first;
    const int step = taken > 1 ? std::min(kTakenStep, room / (taken - 1)) : 0;
    left = first + (card - 1) * step;
  }
  return Rect{left, top, left + kCornerWidth, top + kCornerHeight};
}

void ComposePlayLog(const Game& game, ResourceSlots& slots, Screen& screen, int left) {
  FillRect(screen, screen.BackBuffer, Rect{left, 0, left + kPlayLogWidth, kPlayLogHeight},
           kPlayLogColour);
  clsDXBitmapFont& font = slots.SmallFont;
  DrawTextAt(font, screen, left + kMargin, kMargin, P_("table", "This hand"));
  const auto corner = [&](int card, const Rect& at) {
    DrawCardCorner(slots, screen, card, at.Left, at.Top);
  };
  for (int k = 0; k < PlayLogRows(game); ++k) {
    const PlayLine& line = PlayFromNewest(game.playLog, k);
    const Rect row = PlayLogRowRect(k);
    const Rect played = Shifted(PlayLogCardRect(game, k, 0), left);
    DrawTextAt(font, screen, left + kMargin, row.Top + 2, SeatName(line.Seat));
    if (line.Sweep) {
      DrawTextAt(font, screen, left + kMargin, row.Top + 2 + kSweepLine, "Kevro!");
      OutlineRect(screen, screen.BackBuffer, played, 1, kMarkColour);
    }
    corner(line.Cards.Taker, played);
    for (int t = 0; t < line.Cards.TakenCount; ++t) {
      corner(line.Cards.Taken[static_cast<std::size_t>(t)],
             Shifted(PlayLogCardRect(game, k, t + 1), left));
    }
  }
}

}  // namespace verlano
