#include "render/review_page.h"

#include <algorithm>
#include <cstdio>

#include "i18n/decimal_words.h"
#include "i18n/translate.h"
#include "render/card_corner.h"
#include "render/fill_rect.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kPanelWidth = 760;
constexpr int kPanelTop = 20;
constexpr int kMargin = 12;
constexpr int kBorder = 2;
constexpr int kHeading = 34;
constexpr int kRowHeight = 44;
constexpr int kFooter = 84;
constexpr int kMostRows = 10;  // a hand's plays of one seat
constexpr int kTakenStep = 16;
// Four taken cards at the full step; the human's rare capture of five closes up.
constexpr int kTakenSpan = kTakenStep * 3;
constexpr int kCardsWidth = kCornerWidth + 4 + kTakenSpan + kCornerWidth;
constexpr int kGivenUpX = kMargin + kCardsWidth + 10;
constexpr int kBestX = kGivenUpX + 70;
constexpr int kReasonX = kBestX + kCardsWidth + 14;
constexpr std::uint16_t kPanelColour = 0x0100;  // the pile sheet's dark green

// The card played, then the cards it took a little apart, overlapping.
void DrawCards(const ReviewCards& cards, int x, int y, ResourceSlots& slots, Screen& screen) {
  DrawCardCorner(slots, screen, cards.Card, x, y);
  const int shown = std::min(cards.TakenCount, kReviewTaken);
  const int step = shown > 1 ? std::min(kTakenStep, kTakenSpan / (shown - 1)) : kTakenStep;
  for (int t = 0; t < shown; ++t) {
    DrawCardCorner(slots, screen, cards.Taken[static_cast<std::size_t>(t)],
                   x + kCornerWidth + 4 + t * step, y);
  }
}

}  // namespace

Rect ReviewPanel(const Game& game) {
  const int left = (game.settings.ScreenWidth - kPanelWidth) / 2;
  return Rect{left, kPanelTop, left + kPanelWidth,
              kPanelTop + kHeading + kMostRows * kRowHeight + kFooter};
}

Rect ReviewRowRect(const Game& game, int k) {
  const Rect panel = ReviewPanel(game);
  const int top = panel.Top + kHeading + k * kRowHeight;
  return Rect{panel.Left, top, panel.Right, top + kRowHeight};
}

void DrawReviewSheet(const Game& game, const ReviewSheet& sheet, ResourceSlots& slots,
                     Screen& screen) {
  if (!sheet.Open) return;
  const Rect panel = ReviewPanel(game);
  DrawFramedPanel(screen, panel, kPanelColour, kBorder);
  clsDXBitmapFont& big = slots.DeluxeFont;
  clsDXBitmapFont& small = slots.SmallFont;
  const int x = panel.Left + kMargin;
  DrawTextAt(big, screen, x, panel.Top + kMargin - kBorder,
             P_("coach", "Your plays, costliest first (V closes)"));
  if (!sheet.Ready) {
    DrawTextAt(big, screen, x, ReviewRowRect(game, 0).Top + kMargin,
               P_("coach", "Weighing your plays..."));
    return;
  }
  for (int k = 0; k < static_cast<int>(sheet.Rows.size()) && k < kMostRows; ++k) {
    const ReviewRow& row = sheet.Rows[static_cast<std::size_t>(k)];
    const Rect at = ReviewRowRect(game, k);
    const int cardsTop = at.Top + (kRowHeight - kCornerHeight) / 2;
    const int textTop = at.Top + (kRowHeight - small.height) / 2;
    DrawCards(row.Played, x, cardsTop, slots, screen);
    DrawTextAt(small, screen, panel.Left + kGivenUpX, textTop,
               row.GivenUp > 0 ? "-" + DecimalWords(row.GivenUp, 1) : P_("coach", "best"));
    if (row.Best.Card >= 0) DrawCards(row.Best, panel.Left + kBestX, cardsTop, slots, screen);
    DrawTextAt(small, screen, panel.Left + kReasonX, textTop, row.Reason);
  }
  const int footer = ReviewRowRect(game, kMostRows).Top + kMargin / 2;
  DrawTextAt(big, screen, x, footer,
             Format(P_("coach", "Given up this hand: %s points").c_str(),
                    DecimalWords(sheet.HandGivenUp, 1).c_str()));
  const int line = footer + big.height + 4;
  DrawTextAt(small, screen, x, line,
             Format(P_("coach", "This match so far: %s points, hands reviewed: %d").c_str(),
                    DecimalWords(sheet.MatchGivenUp, 1).c_str(), sheet.HandsReviewed));
  DrawTextAt(small, screen, x, line + small.height + 2,
             P_("coach", "Points a hand, expected over the cards you did not see"));
}

}  // namespace verlano
