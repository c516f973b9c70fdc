#include "render/play_log_view.h"

#include <algorithm>
#include <string>

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
constexpr int kNameHeight = 18;  // the seat's name over the row's cards
constexpr int kRowHeight = kNameHeight + kCornerHeight + 3;
constexpr int kMarkGap = 3;  // between the mark and the cards either side
constexpr int kTakenX = kMargin + kCornerWidth + kMarkGap + kPlayLogMarkWidth + kMarkGap;
constexpr int kTakenGap = 2;  // between taken cards side by side, while the row has room

Rect Shifted(const Rect& r, int dx, int dy = 0) {
  return Rect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The left of the i-th of `count` corners laid from `first`: side by side
// while they fit, closing up for many cards.
int CornerLeft(int first, int count, int i) {
  const int room = kPlayLogWidth - kMargin - kCornerWidth - first;
  const int step = count > 1 ? std::min(kCornerWidth + kTakenGap, room / (count - 1)) : 0;
  return first + i * step;
}

// The mark: an arrow from the card played to the cards it took, in the
// table's gold.
void DrawTakesMark(Screen& screen, const Rect& at) {
  const int middle = (at.Top + at.Bottom) / 2;
  const int head = (at.Bottom - at.Top) / 2;
  FillRect(screen, screen.BackBuffer, Rect{at.Left, middle - 1, at.Right - head, middle + 1},
           kMarkColour);
  for (int i = 0; i < head; ++i) {
    const int x = at.Right - head + i;
    FillRect(screen, screen.BackBuffer, Rect{x, middle - head + i, x + 1, middle + head - i},
             kMarkColour);
  }
}

}  // namespace

Screen MakePlayLogPanel() {
  return MakeScreen(kPlayLogWidth, kPlayLogHeight);
}

int PlayLogRows(const Game& game, int height) {
  const int fit = (height - kHeadingHeight) / kRowHeight;
  return std::min(LoggedPlays(game.playLog), fit);
}

Rect PlayLogRowRect(int k) {
  const int top = kHeadingHeight + k * kRowHeight;
  return Rect{0, top, kPlayLogWidth, top + kRowHeight};
}

Rect PlayLogCardRect(const Game& game, int k, int card) {
  const Rect row = PlayLogRowRect(k);
  const int top = row.Top + kNameHeight;
  int left = kMargin;
  if (card > 0) {
    left = CornerLeft(kTakenX, PlayFromNewest(game.playLog, k).Cards.TakenCount, card - 1);
  }
  return Rect{left, top, left + kCornerWidth, top + kCornerHeight};
}

Rect PlayLogMarkRect(int k) {
  const int top = PlayLogRowRect(k).Top + kNameHeight + (kCornerHeight - kPlayLogMarkHeight) / 2;
  const int left = kMargin + kCornerWidth + kMarkGap;
  return Rect{left, top, left + kPlayLogMarkWidth, top + kPlayLogMarkHeight};
}

void ComposePlayLog(const Game& game, ResourceSlots& slots, Screen& screen, int left,
                    const LastTable& last, int height) {
  FillRect(screen, screen.BackBuffer, Rect{left, 0, left + kPlayLogWidth, height}, kPlayLogColour);
  clsDXBitmapFont& font = slots.SmallFont;
  DrawTextAt(font, screen, left + kMargin, kMargin, P_("table", "This hand"));
  const auto corner = [&](int card, const Rect& at) {
    DrawCardCorner(slots, screen, card, at.Left, at.Top);
  };
  // The remainder, the hand's last word, tops the column.
  const int restRows = last.RestSide >= 0 && !last.Cards.empty() ? 1 : 0;
  if (restRows > 0) {
    const Rect row = PlayLogRowRect(0);
    const std::string side = last.RestSide == kSideWe ? P_("story", "to us") : P_("story", "to them");
    DrawTextAt(font, screen, left + kMargin, row.Top, P_("story", "The rest"));
    DrawTextAt(font, screen, left + kPlayLogWidth - kMargin - font.TextWidth(side), row.Top, side);
    const int count = static_cast<int>(last.Cards.size());
    for (int i = 0; i < count; ++i) {
      DrawCardCorner(slots, screen, last.Cards[static_cast<std::size_t>(i)].Card,
                     left + CornerLeft(kMargin, count, i), row.Top + kNameHeight);
    }
  }
  const int dy = restRows * kRowHeight;
  for (int k = 0; k < PlayLogRows(game, height - dy); ++k) {
    const PlayLine& line = PlayFromNewest(game.playLog, k);
    const Rect row = Shifted(PlayLogRowRect(k), 0, dy);
    const Rect played = Shifted(PlayLogCardRect(game, k, 0), left, dy);
    DrawTextAt(font, screen, left + kMargin, row.Top, SeatName(line.Seat));
    if (line.Sweep) {
      const std::string sweep = "Kevro!";
      DrawTextAt(font, screen, left + kPlayLogWidth - kMargin - font.TextWidth(sweep), row.Top, sweep);
      OutlineRect(screen, screen.BackBuffer, played, 1, kMarkColour);
    }
    corner(line.Cards.Taker, played);
    if (line.Cards.TakenCount > 0) DrawTakesMark(screen, Shifted(PlayLogMarkRect(k), left, dy));
    for (int t = 0; t < line.Cards.TakenCount; ++t) {
      corner(line.Cards.Taken[static_cast<std::size_t>(t)],
             Shifted(PlayLogCardRect(game, k, t + 1), left, dy));
    }
  }
}

}  // namespace verlano
