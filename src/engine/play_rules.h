#pragma once
// What a play does beyond the cards it takes: whether it is the hand's last,
// whether it sweeps, and which side the table's remainder goes to. The
// engine's own plays and the game's animated ones both ask here, so the two
// cannot come to different hands.

namespace verlano::engine {

inline constexpr int kSeats = 4;

// Side 0 is WE (seats 0 and 2), side 1 THEY (seats 1 and 3).
inline constexpr int SideOf(int seat) {
  return seat & 1;
}

// Every seat has played every card of its hand.
inline constexpr bool LastPlayOfHand(int cardsPlayed, int cardsPerHand) {
  return cardsPlayed == kSeats * cardsPerHand;
}

// A capture that takes every card on the table sweeps, except on the hand's
// last play, whose remainder goes to a side anyway.
inline constexpr bool SweepsTable(int taken, int tableCardsBefore, bool lastPlay) {
  return taken == tableCardsBefore && !lastPlay;
}

// After the last play the cards left on the table go to the side that
// captured last (WE when nobody did: the last capturer starts as seat 0).
inline constexpr int RemainderSide(int lastCapturer) {
  return SideOf(lastCapturer);
}

}  // namespace verlano::engine
