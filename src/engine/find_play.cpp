#include "engine/find_play.h"

#include "engine/captures.h"

namespace verlano::engine {

PlayFault FindPlay(const Position& p, int seat, int card, CardSet taken, Move& found) {
  if (seat != p.toPlay) return PlayFault::NotItsTurn;
  int handIndex = -1;
  for (int i = 0; i < p.handCount[seat]; ++i) {
    if (p.hands[seat][i] == card) handIndex = i;
  }
  if (handIndex < 0) return PlayFault::NotHeld;
  bool legal = false;
  ForEachCapture(
      p, handIndex,
      [&](const Move& move) {
        CardSet took = 0;
        for (int i = 0; i < move.count; ++i) took |= Bit(p.table[move.positions[i]]);
        if (took == taken && !legal) {
          found = move;
          legal = true;
        }
      },
      CaptureReach::Lawful);
  return legal ? PlayFault::None : PlayFault::NotLegal;
}

}  // namespace verlano::engine
