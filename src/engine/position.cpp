#include "engine/position.h"

namespace verlano::engine {

CardSet Position::TableSet() const {
  CardSet set = 0;
  for (int i = 0; i < tableCount; ++i) set |= Bit(table[i]);
  return set;
}

CardSet Position::HandSet(int seat) const {
  CardSet set = 0;
  for (int i = 0; i < handCount[seat]; ++i) set |= Bit(hands[seat][i]);
  return set;
}

namespace {

bool SameCards(const std::int8_t* a, const std::int8_t* b, int count) {
  for (int i = 0; i < count; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace

bool operator==(const Position& a, const Position& b) {
  if (!(a.rules == b.rules) || a.handCount != b.handCount || a.tableCount != b.tableCount ||
      a.toPlay != b.toPlay || a.lastCapturer != b.lastCapturer || a.cardsPlayed != b.cardsPlayed ||
      a.sweeps != b.sweeps || a.taken != b.taken || a.sweepCards != b.sweepCards) {
    return false;
  }
  for (int s = 0; s < kSeats; ++s) {
    if (!SameCards(a.hands[s].data(), b.hands[s].data(), a.handCount[s])) return false;
  }
  return SameCards(a.table.data(), b.table.data(), a.tableCount);
}

namespace {

int TakeFromHand(Position& p, int seat, int index) {
  auto& hand = p.hands[seat];
  const int card = hand[index];
  for (int i = index + 1; i < p.handCount[seat]; ++i) hand[i - 1] = hand[i];
  --p.handCount[seat];
  return card;
}

// Removes the taken positions (increasing) from the table, keeping the order.
CardSet TakeFromTable(Position& p, const Move& move) {
  CardSet taken = 0;
  int kept = 0;
  int next = 0;
  for (int i = 0; i < p.tableCount; ++i) {
    if (next < move.count && move.positions[next] == i) {
      taken |= Bit(p.table[i]);
      ++next;
    } else {
      p.table[kept++] = p.table[i];
    }
  }
  p.tableCount = static_cast<std::int8_t>(kept);
  return taken;
}

}  // namespace

void ApplyMove(Position& p, const Move& move) {
  const int seat = p.toPlay;
  const int side = SideOf(seat);
  const int card = TakeFromHand(p, seat, move.handIndex);
  ++p.cardsPlayed;
  const bool last = p.HandOver();
  if (move.count == 0 || p.tableCount == 0) {
    p.table[p.tableCount++] = static_cast<std::int8_t>(card);
  } else {
    const int before = p.tableCount;
    p.taken[side] |= TakeFromTable(p, move) | Bit(card);
    p.lastCapturer = static_cast<std::int8_t>(seat);
    if (SweepsTable(before - p.tableCount, before, last)) {
      ++p.sweeps[side];
      p.sweepCards |= Bit(card);
    }
  }
  p.toPlay = static_cast<std::int8_t>((seat + 1) % kSeats);
  if (last) {
    p.taken[RemainderSide(p.lastCapturer)] |= p.TableSet();
    p.tableCount = 0;
  }
}

}  // namespace verlano::engine
