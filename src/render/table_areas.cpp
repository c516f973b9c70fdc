#include "render/table_areas.h"

#include <algorithm>

#include "rules/game.h"

namespace verlano {

namespace {

struct HandPlace {
  int x, y, step;
};

HandPlace HandPlaceOf(const Layout& l, int seat) {
  switch (seat) {
    case 1:
      return {l.Hand1X, l.Hand1Y, l.Hand1Step};
    case 2:
      return {l.Hand2X, l.Hand2Y, l.Hand2Step};
    case 3:
      return {l.Hand3X, l.Hand3Y, l.Hand3Step};
    default:
      break;
  }
  return {l.HandSlotX, l.HandSlotY, l.HandSlotStep};
}

}  // namespace

Rect PileRect(const Game& game, int side) {
  const Layout& l = game.layout;
  const int x = side == kSideWe ? l.OurPileX : l.TheirPileX;
  const int y = side == kSideWe ? l.OurPileY : l.TheirPileY;
  return Rect{x, y, x + l.GatherJitterX - 1 + l.CardWidth, y + l.GatherJitterY - 1 + kCardHeight};
}

Rect HandCardRect(const Game& game, int seat, int slot) {
  const HandPlace h = HandPlaceOf(game.layout, seat);
  const int x = h.x + h.step * slot;
  return Rect{x, h.y, x + game.layout.CardWidth, h.y + kCardHeight};
}

Rect HandRect(const Game& game, int seat) {
  const Rect first = HandCardRect(game, seat, 0);
  const Rect last = HandCardRect(game, seat, game.settings.Rules.CardsPerHand - 1);
  // Only the human's cards are lifted and lit.
  const int outline = seat == 0 ? kLitOutline : 0;
  const int raised = seat == 0 ? kHandCardLift + kLitOutline : 0;
  return Rect{first.Left - outline, first.Top - raised, last.Right + outline, last.Bottom};
}

Rect TablePlaceRect(const Game& game, int place) {
  const Layout& l = game.layout;
  const TableSlot& s = game.piles.TableSlots[static_cast<std::size_t>(place)];
  // Dealt cards scatter by PlaceJitter, played ones by TableJitter: Int(k * Rnd) < k.
  const int jx = std::max(l.TableJitterX, l.PlaceJitterX) - 1;
  const int jy = std::max(l.TableJitterY, l.PlaceJitterY) - 1;
  return Rect{s.SlotX - kLitOutline, s.SlotY - kLitOutline,
              s.SlotX + jx + l.CardWidth + kLitOutline, s.SlotY + jy + kCardHeight + kLitOutline};
}

Rect ClockRect(const Game& game) {
  constexpr int kCellWidth = 19, kCellHeight = 27, kCharacters = 7;
  constexpr int kWidth = (kCharacters - 1) * (kCellWidth - 2) + kCellWidth;
  const int left = std::min(game.layout.ClockX, kScoreStripX - kWidth);
  return Rect{left, game.layout.ClockY, left + kWidth, game.layout.ClockY + kCellHeight};
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

}  // namespace verlano
