#include "render/last_capture_view.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "render/cint.h"
#include "render/fill_rect.h"
#include "render/table_notes.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kPileGap = 4;      // between the pile's reach and the panel
constexpr int kTakerShown = 46;  // how much of the card that took shows
constexpr int kFanStep = 26;     // each taken card's index shows
constexpr int kAbovePile = 26;   // clear of the message band below
// The pile's core: the nearest table places reach a few pixels into its card
// width under the wider decks.
constexpr int kPileInset = 8;
constexpr int kPanelMargin = 6;
constexpr int kPanelBorder = 2;
constexpr int kSearchStep = 8;                  // pixels between the places a moved panel may take
constexpr std::uint16_t kPanelColour = 0x0100;  // a dark green under the baize's

const SidePiles& SideOf(const Game& game, int side) {
  return side == kSideWe ? game.piles.Our : game.piles.Their;
}

Rect Moved(const Rect& r, int left, int top) {
  return Rect{left, top, left + r.Right - r.Left, top + r.Bottom - r.Top};
}

long long OverlapArea(const Rect& a, const Rect& b) {
  if (!Overlap(a, b)) return 0;
  const long long w = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
  const long long h = std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top);
  return w * h;
}

// Every table card as drawn, with a hint's outline.
std::vector<Rect> TableCards(const Game& game) {
  const Piles& p = game.piles;
  std::vector<Rect> cards;
  for (int i = 0; i < std::min(p.TableCount, kTableEntries); ++i) {
    const CardSprite& s = p.TablePile[static_cast<std::size_t>(i)];
    if (!s.Present) continue;
    const int x = CInt(s.X), y = CInt(s.Y);
    cards.push_back(Rect{x - kLitOutline, y - kLitOutline, x + game.layout.CardWidth + kLitOutline,
                         y + kCardHeight + kLitOutline});
  }
  return cards;
}

// The place nearest `home` that keeps clear of `clear` and covers the least
// of `cards`; `home` itself when no place keeps clear.
Rect LeastCovering(const Game& game, const Rect& home, const std::vector<Rect>& clear,
                   const std::vector<Rect>& cards) {
  Rect best = home;
  long long bestCover = std::numeric_limits<long long>::max();
  long long bestDistance = 0;
  const int width = home.Right - home.Left, height = home.Bottom - home.Top;
  for (int top = 0; top + height <= game.settings.ScreenHeight; top += kSearchStep) {
    for (int left = 0; left + width <= game.settings.ScreenWidth; left += kSearchStep) {
      const Rect at = Moved(home, left, top);
      bool free = true;
      for (const Rect& r : clear) free = free && !Overlap(at, r);
      if (!free) continue;
      long long cover = 0;
      for (const Rect& card : cards) cover += OverlapArea(at, card);
      const long long dx = left - home.Left, dy = top - home.Top;
      const long long distance = dx * dx + dy * dy;
      if (cover < bestCover || (cover == bestCover && distance < bestDistance)) {
        best = at, bestCover = cover, bestDistance = distance;
      }
    }
  }
  return best;
}

}  // namespace

Rect PileSpotRect(const Game& game, int side) {
  const Layout& l = game.layout;
  const int x = side == kSideWe ? l.OurPileX : l.TheirPileX;
  const int y = side == kSideWe ? l.OurPileY : l.TheirPileY;
  return Rect{x + kPileInset, y, x + l.CardWidth - kPileInset, y + kCardHeight};
}

Rect LastCapturePanelRect(const Game& game, int side) {
  const int taken = SideOf(game, side).Last.TakenCount;
  const int fan = taken > 0 ? kTakerShown + (taken - 1) * kFanStep : 0;
  const int width = 2 * kPanelMargin + game.layout.CardWidth + fan;
  const Rect pile = PileRect(game, side);
  // WE's pile is at the left edge: the fan opens to the right; THEY's to the left.
  const int left = side == kSideWe ? pile.Right + kPileGap : pile.Left - kPileGap - width;
  const int top = pile.Top - kAbovePile - kPanelMargin;
  return Rect{left, top, left + width, top + kCardHeight + 2 * kPanelMargin};
}

std::array<Rect, 2> LastCapturePanels(const Game& game, int sides, bool tableClickable) {
  std::array<Rect, 2> panels{};
  std::vector<Rect> clear;
  if (tableClickable) {
    clear = {PileRect(game, kSideWe), PileRect(game, kSideThey), MessageBandRect(game)};
    for (int seat = 0; seat < 4; ++seat) clear.push_back(HandRect(game, seat));
  }
  const std::vector<Rect> cards = TableCards(game);
  for (const int side : {kSideWe, kSideThey}) {
    if ((sides >> side & 1) == 0 || SideOf(game, side).Last.Taker < 0) continue;
    const Rect home = LastCapturePanelRect(game, side);
    Rect& panel = panels[static_cast<std::size_t>(side)];
    panel = tableClickable ? LeastCovering(game, home, clear, cards) : home;
    clear.push_back(panel);
  }
  return panels;
}

Rect LastCaptureCardRect(const Game& game, int side, const Rect& panel, int k) {
  const int width = game.layout.CardWidth;
  int left = 0;
  if (side == kSideWe) {
    const int taker = panel.Left + kPanelMargin;
    left = k == 0 ? taker : taker + kTakerShown + (k - 1) * kFanStep;
  } else {
    // The taken cards lie left of the card that took.
    const int taker = panel.Right - kPanelMargin - width;
    const int taken = SideOf(game, side).Last.TakenCount;
    left = k == 0 ? taker : taker - kTakerShown - (taken - k) * kFanStep;
  }
  const int top = panel.Top + kPanelMargin;
  return Rect{left, top, left + width, top + kCardHeight};
}

void DrawLastCaptures(const Game& game, int sides, bool tableClickable, ResourceSlots& slots,
                      Screen& screen) {
  const std::array<Rect, 2> panels = LastCapturePanels(game, sides, tableClickable);
  for (const int side : {kSideWe, kSideThey}) {
    const LastCapture& last = SideOf(game, side).Last;
    const Rect& panel = panels[static_cast<std::size_t>(side)];
    if (panel.Right <= panel.Left) continue;
    // The cards cover the panel's inside: only its frame is painted.
    const Rect cards{panel.Left + kPanelMargin, panel.Top + kPanelMargin,
                     panel.Right - kPanelMargin, panel.Bottom - kPanelMargin};
    OutlineRect(screen, screen.BackBuffer, cards, kPanelMargin - kPanelBorder, kPanelColour);
    OutlineRect(screen, screen.BackBuffer,
                Rect{panel.Left + kPanelBorder, panel.Top + kPanelBorder,
                     panel.Right - kPanelBorder, panel.Bottom - kPanelBorder},
                kPanelBorder, kMarkColour);
    // Left to right, so each card covers only the right of the one before.
    const auto draw = [&](int k) {
      const int card = k == 0 ? last.Taker : last.Taken[static_cast<std::size_t>(k - 1)];
      if (card < 0 || card >= kCardImageEntries) return;
      const Rect at = LastCaptureCardRect(game, side, panel, k);
      BltFastClip(screen, slots.CardImage[static_cast<std::size_t>(card)], screen.BackBuffer,
                  Rect{}, at.Left, at.Top, true);
    };
    if (side == kSideWe) {
      for (int k = 0; k <= last.TakenCount; ++k) draw(k);
    } else {
      for (int k = 1; k <= last.TakenCount; ++k) draw(k);
      draw(0);
    }
  }
}

}  // namespace verlano
