#include "render/pile_sheet.h"

#include <algorithm>
#include <string>

#include "i18n/translate.h"
#include "render/fill_rect.h"
#include "render/score_page.h"
#include "render/table_areas.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kFanGap = 4;    // between cards side by side, when a row leaves room
constexpr int kRowStep = 64;  // each row's indices show above the next row
constexpr int kMargin = 14;
constexpr int kLineHeight = 30;   // a line of the message font and a little air
constexpr int kPanelWidth = 500;  // clear of the piles' labels beside the page
constexpr int kPanelTop = 56;
constexpr int kPanelBorder = 2;
constexpr int kMarkWidth = 3;
constexpr int kFrameWidth = 2;  // thin, inside the card: its index stays clear
constexpr int kStackStep = 4;  // the backs of a pile beside the page, stepped
constexpr int kStackCards = 3;
constexpr int kPileTop = 200;
constexpr int kSwatch = 14;
constexpr std::uint16_t kPanelColour = 0x0100;     // a dark green under the baize's

// A frame kFrameWidth wide just inside `r` shrunk by `in` on every side.
void InnerFrame(Screen& screen, const Rect& r, int in, std::uint16_t colour) {
  const int edge = in + kFrameWidth;
  OutlineRect(screen, screen.BackBuffer,
              Rect{r.Left + edge, r.Top + edge, r.Right - edge, r.Bottom - edge}, kFrameWidth,
              colour);
}

std::string PileLabel(int side) {
  return side == kSideWe ? P_("table", "We (W)") : P_("table", "They (T)");
}

std::string TitleLine(const Game& game, const PileSheet& sheet) {
  const SidePiles& pile = sheet.Side == kSideWe ? game.piles.Our : game.piles.Their;
  const std::string pattern = sheet.Side == kSideWe ? P_("table", "We: %d cards, %d coins")
                                                    : P_("table", "They: %d cards, %d coins");
  return Format(pattern.c_str(), pile.CardCount, sheet.Coins);
}

// "Primiera: 21+18+21+16 = 76", the values in the rows' order.
std::string PrimieraLine(const Game& game, const PileSheet& sheet) {
  if (sheet.PrimieraSum == 0) return P_("table", "No primiera: a suit missing");
  std::string values;
  for (const int card : sheet.Primiera) {
    if (card < 0) continue;
    if (!values.empty()) values += '+';
    values += std::to_string(game.cards.CardPrimiera[static_cast<std::size_t>(card)]);
  }
  return Format(P_("table", "Primiera: %s = %d").c_str(), values.c_str(), sheet.PrimieraSum);
}

void DrawCards(const Game& game, const PileSheet& sheet, ResourceSlots& slots, Screen& screen) {
  Surface& back = screen.BackBuffer;
  for (int row = 0; row < kSheetRows; ++row) {
    const std::vector<int>& cards = sheet.Rows[static_cast<std::size_t>(row)];
    for (int k = 0; k < static_cast<int>(cards.size()); ++k) {
      const int card = cards[static_cast<std::size_t>(k)];
      if (card < 0 || card >= kCardImageEntries) continue;
      const Rect at = PileSheetCardRect(game, sheet, row, k);
      BltFastClip(screen, slots.CardImage[static_cast<std::size_t>(card)], back, Rect{}, at.Left,
                  at.Top, true);
    }
  }
  // The marks go on the part of each card left in sight, inside its edge: a
  // frame outside would lie on the cards around it.
  for (int row = 0; row < kSheetRows; ++row) {
    const std::vector<int>& cards = sheet.Rows[static_cast<std::size_t>(row)];
    for (int k = 0; k < static_cast<int>(cards.size()); ++k) {
      const int card = cards[static_cast<std::size_t>(k)];
      const bool primiera = card == sheet.Primiera[static_cast<std::size_t>(row)];
      const bool coinCourt = card == kSettebello || card == kKingOfCoins;
      if (!primiera && !coinCourt) continue;
      const Rect shown = PileSheetShownRect(game, sheet, row, k);
      const int in = coinCourt ? kFrameWidth : 0;  // the gold outermost, the blue within
      if (coinCourt) InnerFrame(screen, shown, 0, kMarkColour);
      if (primiera) InnerFrame(screen, shown, in, kPrimieraColour);
    }
  }
}

// The colour key under the primiera line: gold, the seven and king of coins;
// blue, the primiera cards.
void DrawLegend(const Rect& panel, int y, clsDXBitmapFont& font, Screen& screen) {
  int x = panel.Left + kMargin;
  const int swatchTop = y + (font.height - kSwatch) / 2;
  for (const auto& [colour, words] : {std::pair{kMarkColour, P_("table", "7/K of coins")},
                                      std::pair{kPrimieraColour, P_("table", "primiera")}}) {
    FillRect(screen, screen.BackBuffer, Rect{x, swatchTop, x + kSwatch, swatchTop + kSwatch},
             colour);
    x += kSwatch + font.width / 2;
    DrawTextAt(font, screen, x, y, words);
    x += font.TextWidth(words) + font.width;
  }
}

}  // namespace

Rect ScorePileRect(const Game& game, int side) {
  const Rect page = ScorePageRect(game.layout);
  const int width = game.layout.CardWidth + kStackStep * (kStackCards - 1);
  const int height = kCardHeight + kStackStep * (kStackCards - 1);
  const int from = side == kSideWe ? 0 : page.Right;
  const int to = side == kSideWe ? page.Left : game.settings.ScreenWidth;
  const int left = from + (to - from - width) / 2;
  return Rect{left, kPileTop, left + width, kPileTop + height};
}

Rect PileSheetPanel(const Game& game) {
  const int left = (game.settings.ScreenWidth - kPanelWidth) / 2;
  const int height = 2 * kMargin + 3 * kLineHeight + (kSheetRows - 1) * kRowStep + kCardHeight;
  return Rect{left, kPanelTop, left + kPanelWidth, kPanelTop + height};
}

// The longest row fills the panel's width, each card's index showing; shorter
// sheets lie their cards side by side.
Rect PileSheetCardRect(const Game& game, const PileSheet& sheet, int row, int k) {
  const Rect panel = PileSheetPanel(game);
  std::size_t longest = 2;
  for (const std::vector<int>& cards : sheet.Rows) longest = std::max(longest, cards.size());
  const int room = panel.Right - panel.Left - 2 * kMargin - game.layout.CardWidth;
  const int step = std::min(room / static_cast<int>(longest - 1), game.layout.CardWidth + kFanGap);
  const int left = panel.Left + kMargin + k * step;
  const int top = panel.Top + kMargin + kLineHeight + row * kRowStep;
  return Rect{left, top, left + game.layout.CardWidth, top + kCardHeight};
}

Rect PileSheetShownRect(const Game& game, const PileSheet& sheet, int row, int k) {
  const Rect card = PileSheetCardRect(game, sheet, row, k);
  const auto count = static_cast<int>(sheet.Rows[static_cast<std::size_t>(row)].size());
  const int right =
      k + 1 < count ? std::min(card.Right, PileSheetCardRect(game, sheet, row, k + 1).Left)
                    : card.Right;
  // Down to the first row below that reaches under it; a short row leaves
  // the card's foot in sight.
  int bottom = card.Bottom;
  for (int below = row + 1; below < kSheetRows; ++below) {
    const auto cards = static_cast<int>(sheet.Rows[static_cast<std::size_t>(below)].size());
    if (cards == 0) continue;
    const Rect first = PileSheetCardRect(game, sheet, below, 0);
    const Rect last = PileSheetCardRect(game, sheet, below, cards - 1);
    if (first.Left < right && card.Left < last.Right) {
      bottom = std::min(bottom, first.Top);
      break;
    }
  }
  return Rect{card.Left, card.Top, right, bottom};
}

void DrawScorePiles(const Game& game, int openSide, ResourceSlots& slots, Screen& screen) {
  clsDXBitmapFont& font = slots.DeluxeFont;
  for (const int side : {kSideWe, kSideThey}) {
    const Rect at = ScorePileRect(game, side);
    const SidePiles& pile = side == kSideWe ? game.piles.Our : game.piles.Their;
    for (int i = 0; i < std::min(kStackCards, pile.CardCount); ++i) {
      BltFastClip(screen, slots.CardBack, screen.BackBuffer, Rect{}, at.Left + kStackStep * i,
                  at.Top + kStackStep * i, true);
    }
    if (side == openSide) OutlineRect(screen, screen.BackBuffer, at, kMarkWidth, kMarkColour);
    const std::string label = PileLabel(side);
    const int centre = (at.Left + at.Right) / 2;
    DrawTextAt(font, screen, centre - font.TextWidth(label) / 2, at.Bottom + kMargin, label);
  }
}

void DrawPileSheet(const Game& game, const PileSheet& sheet, ResourceSlots& slots, Screen& screen) {
  if (sheet.Side != kSideWe && sheet.Side != kSideThey) return;
  const Rect panel = PileSheetPanel(game);
  DrawFramedPanel(screen, panel, kPanelColour, kPanelBorder);
  clsDXBitmapFont& font = slots.DeluxeFont;
  const int x = panel.Left + kMargin;
  DrawTextAt(font, screen, x, panel.Top + kMargin - kPanelBorder, TitleLine(game, sheet));
  DrawCards(game, sheet, slots, screen);
  const int below = PileSheetCardRect(game, sheet, kSheetRows - 1, 0).Bottom;
  DrawTextAt(font, screen, x, below, PrimieraLine(game, sheet));
  DrawLegend(panel, below + kLineHeight, font, screen);
}

}  // namespace verlano
