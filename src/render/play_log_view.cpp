#include "render/play_log_view.h"

#include <algorithm>

#include "i18n/translate.h"
#include "render/card_corner.h"
#include "render/fill_rect.h"
#include "render/seat_labels.h"
#include "render/table_areas.h"
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
constexpr int kFittingRows = (kPlayLogHeight - kHeadingHeight) / kRowHeight;

Rect Shifted(const Rect& r, int dx, int dy = 0) {
  return Rect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

int CornerTop(const Rect& row) {
  return row.Top + (kRowHeight - kCornerHeight) / 2;
}

// The left of the i-th of `count` corners laid from `first`, closing up when
// there are more than the row holds at full step.
int CornerLeft(int first, int count, int i) {
  const int room = kPlayLogWidth - kMargin - kCornerWidth - first;
  const int step = count > 1 ? std::min(kTakenStep, room / (count - 1)) : 0;
  return first + i * step;
}

}  // namespace

Screen MakePlayLogPanel() {
  return MakeScreen(kPlayLogWidth, kPlayLogHeight);
}

int PlayLogRows(const Game& game) {
  return std::min(LoggedPlays(game.playLog), kFittingRows);
}

Rect PlayLogRowRect(int k) {
  const int top = kHeadingHeight + k * kRowHeight;
  return Rect{0, top, kPlayLogWidth, top + kRowHeight};
}

Rect PlayLogCardRect(const Game& game, int k, int card) {
  const int top = CornerTop(PlayLogRowRect(k));
  int left = kPlayedX;
  if (card > 0) {
    const int taken = PlayFromNewest(game.playLog, k).Cards.TakenCount;
    left = CornerLeft(kPlayedX + kCornerWidth + kTakenGap, taken, card - 1);
  }
  return Rect{left, top, left + kCornerWidth, top + kCornerHeight};
}

void ComposePlayLog(const Game& game, ResourceSlots& slots, Screen& screen, int left,
                    const LastTable& last) {
  FillRect(screen, screen.BackBuffer, Rect{left, 0, left + kPlayLogWidth, kPlayLogHeight},
           kPlayLogColour);
  clsDXBitmapFont& font = slots.SmallFont;
  DrawTextAt(font, screen, left + kMargin, kMargin, P_("table", "This hand"));
  const auto corner = [&](int card, const Rect& at) {
    DrawCardCorner(slots, screen, card, at.Left, at.Top);
  };
  // The remainder, the hand's last word, tops the column.
  const int restRows = last.RestSide >= 0 && !last.Cards.empty() ? 1 : 0;
  if (restRows > 0) {
    const Rect row = PlayLogRowRect(0);
    DrawTextAt(font, screen, left + kMargin, row.Top + 2, P_("story", "The rest"));
    DrawTextAt(font, screen, left + kMargin, row.Top + 2 + kSweepLine,
               last.RestSide == kSideWe ? P_("story", "to us") : P_("story", "to them"));
    const int count = static_cast<int>(last.Cards.size());
    for (int i = 0; i < count; ++i) {
      DrawCardCorner(slots, screen, last.Cards[static_cast<std::size_t>(i)].Card,
                     left + CornerLeft(kPlayedX, count, i), CornerTop(row));
    }
  }
  const int dy = restRows * kRowHeight;
  for (int k = 0; k < std::min(PlayLogRows(game), kFittingRows - restRows); ++k) {
    const PlayLine& line = PlayFromNewest(game.playLog, k);
    const Rect row = Shifted(PlayLogRowRect(k), 0, dy);
    const Rect played = Shifted(PlayLogCardRect(game, k, 0), left, dy);
    DrawTextAt(font, screen, left + kMargin, row.Top + 2, SeatName(line.Seat));
    if (line.Sweep) {
      DrawTextAt(font, screen, left + kMargin, row.Top + 2 + kSweepLine, "Kevro!");
      OutlineRect(screen, screen.BackBuffer, played, 1, kMarkColour);
    }
    corner(line.Cards.Taker, played);
    for (int t = 0; t < line.Cards.TakenCount; ++t) {
      corner(line.Cards.Taken[static_cast<std::size_t>(t)],
             Shifted(PlayLogCardRect(game, k, t + 1), left, dy));
    }
  }
}

}  // namespace verlano
