#pragma once
// The legal captures of a card, the one list the game and its players all
// read, in the order the classic player weighs them: when table cards equal
// its value, exactly one of them (each in table order); otherwise every set of
// four, then three, then two table cards adding up to its value (an ace has no
// sums); a card that takes nothing is laid down (count 0). The computer
// players add up at most four cards, and the card must take only where such a
// capture exists; there the human may choose any set adding up, which the
// lawful list holds too, the larger sets after the others.

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

// Which captures a list holds: the computer players' own, or every one the
// rules allow a seat (the human's choices among them).
enum class CaptureReach { Searched, Lawful };

// Calls `visit(const Move&)` for each capture `card` may make on the first
// `tableCount` cards of `table`, or once for laying it down; every move
// names `handIndex` as the hand position of the card.
template <typename Visit>
void ForEachCaptureOf(int card, int handIndex, const std::int8_t* table, int tableCount,
                      Visit&& visit, CaptureReach reach = CaptureReach::Searched) {
  const CardFacts& facts = Facts();
  const int value = facts.value[card];
  Move move;
  move.handIndex = static_cast<std::int8_t>(handIndex);
  std::array<std::int8_t, kMaxTable> values;
  bool found = false;
  for (int i = 0; i < tableCount; ++i) {
    values[i] = facts.value[table[i]];
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
    for (int size = kMostSummed; size >= 2; --size) {
      detail::ExtendSet(values, tableCount, 0, size, value, move, counting);
    }
    if (any && reach == CaptureReach::Lawful) {
      for (int size = kMostSummed + 1; size <= kMaxTaken; ++size) {
        detail::ExtendSet(values, tableCount, 0, size, value, move, visit);
      }
    }
    if (any) return;
  }
  visit(static_cast<const Move&>(move));
}

// The same for the card at `handIndex` of the seat to play, on the position's table.
template <typename Visit>
void ForEachCapture(const Position& p, int handIndex, Visit&& visit,
                    CaptureReach reach = CaptureReach::Searched) {
  ForEachCaptureOf(p.hands[p.toPlay][handIndex], handIndex, p.table.data(), p.tableCount, visit,
                   reach);
}

}  // namespace verlano::engine
