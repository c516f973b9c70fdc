#include "render/last_capture_view.h"

#include "render/fill_rect.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kPileGap = 10;     // between the pile and the card that took
constexpr int kTakerShown = 46;  // how much of the card that took shows
constexpr int kFanStep = 26;     // each taken card's index shows
constexpr int kAbovePile = 20;   // clear of the message line below
// The pile's core: the nearest table places reach a few pixels into its card
// width under the wider decks.
constexpr int kPileInset = 8;
constexpr int kPanelMargin = 6;
constexpr int kPanelBorder = 2;
constexpr std::uint16_t kPanelColour = 0x0100;  // a dark green under the baize's

const SidePiles& SideOf(const Game& game, int side) {
  return side == kSideWe ? game.piles.Our : game.piles.Their;
}

}  // namespace

Rect PileSpotRect(const Game& game, int side) {
  const Layout& l = game.layout;
  const int x = side == kSideWe ? l.OurPileX : l.TheirPileX;
  const int y = side == kSideWe ? l.OurPileY : l.TheirPileY;
  return Rect{x + kPileInset, y, x + l.CardWidth - kPileInset, y + kCardHeight};
}

Rect LastCaptureCardRect(const Game& game, int side, int k) {
  const Rect spot = PileSpotRect(game, side);
  const Rect pile{spot.Left - kPileInset, spot.Top, spot.Right + kPileInset, spot.Bottom};
  const int width = game.layout.CardWidth;
  int left = 0;
  if (side == kSideWe) {
    // WE's pile is at the left edge: the fan opens to the right.
    const int taker = pile.Right + kPileGap;
    left = k == 0 ? taker : taker + kTakerShown + (k - 1) * kFanStep;
  } else {
    // THEY's is at the right: the taken cards lie left of the card that took.
    const int taker = pile.Left - kPileGap - width;
    const int taken = SideOf(game, side).Last.TakenCount;
    left = k == 0 ? taker : taker - kTakerShown - (taken - k) * kFanStep;
  }
  const int top = pile.Top - kAbovePile;
  return Rect{left, top, left + width, top + kCardHeight};
}

Rect LastCapturePanelRect(const Game& game, int side) {
  const int taken = SideOf(game, side).Last.TakenCount;
  // THEY's fan starts with the first card taken, WE's with the card that took.
  const Rect first = LastCaptureCardRect(game, side, side == kSideWe || taken == 0 ? 0 : 1);
  const Rect last = LastCaptureCardRect(game, side, side == kSideWe ? taken : 0);
  return Rect{first.Left - kPanelMargin, first.Top - kPanelMargin, last.Right + kPanelMargin,
              last.Bottom + kPanelMargin};
}

void DrawLastCaptures(const Game& game, int sides, ResourceSlots& slots, Screen& screen) {
  for (const int side : {kSideWe, kSideThey}) {
    const LastCapture& last = SideOf(game, side).Last;
    if ((sides >> side & 1) == 0 || last.Taker < 0) continue;
    // The cards cover the panel's inside: only its frame is painted.
    const Rect panel = LastCapturePanelRect(game, side);
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
      const Rect at = LastCaptureCardRect(game, side, k);
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
