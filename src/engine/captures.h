#pragma once
// What a hand card may take, in the game's own order: when table cards equal
// its value, exactly one of them (each in table order); otherwise every set of
// four, then three, then two table cards adding up to its value (an ace has no
// sums); a card that takes nothing is laid down (count 0). As in the game, a
// sum needs at most four cards.

#include <array>

#include "engine/card_facts.h"
#include "engine/position.h"

namespace verlano::engine {

namespace detail {

template <typename Visit>
void ExtendSet(const std::array<std::int8_t, kMaxTable>& values, int n, int first, int remaining,
               int target, Move& partial, Visit& visit) {
  if (remaining == 0) {
    if (target == 0) visit(static_cast<const Move&>(partial));
    return;
  }
  for (int i = first; i + remaining <= n; ++i) {
    const int rest = target - values[i];
    if (rest < remaining - 1) continue;
    partial.positions[partial.count++] = static_cast<std::int8_t>(i);
    ExtendSet(values, n, i + 1, remaining - 1, rest, partial, visit);
    --partial.count;
  }
}

}  // namespace detail

// Calls `visit(const Move&)` for each capture of the card at `handIndex` of
// the seat to play, or once for laying it down.
template <typename Visit>
void ForEachCapture(const Position& p, int handIndex, Visit&& visit) {
  const CardFacts& facts = Facts();
  const int card = p.hands[p.toPlay][handIndex];
  const int value = facts.value[card];
  const int n = p.tableCount;
  Move move;
  move.handIndex = static_cast<std::int8_t>(handIndex);
  std::array<std::int8_t, kMaxTable> values;
  bool found = false;
  for (int i = 0; i < n; ++i) {
    values[i] = facts.value[p.table[i]];
    if (values[i] != value) continue;
    move.count = 1;
    move.positions[0] = static_cast<std::int8_t>(i);
    visit(static_cast<const Move&>(move));
    found = true;
  }
  if (found) return;
  move.count = 0;
  if (value > 1) {
    bool any = false;
    auto counting = [&](const Move& m) {
      any = true;
      visit(m);
    };
    for (int size = kMaxTaken; size >= 2; --size) {
      detail::ExtendSet(values, n, 0, size, value, move, counting);
    }
    if (any) return;
  }
  visit(static_cast<const Move&>(move));
}

}  // namespace verlano::engine
