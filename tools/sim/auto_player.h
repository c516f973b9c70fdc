#pragma once
// The simulator's seat 0: a player that uses the mouse as a person would. It
// plays the card the computer player would choose for seat 0 by pressing the
// left button over a visible part of that card, picks the capture's table
// cards the same way, and clicks the score page away. Each press lasts one
// frame and is followed by a frame with the button up.

#include <vector>

#include "platform/headless_platform.h"

namespace verlano {
struct Game;
}

namespace verlano::sim {

class AutoPlayer {
 public:
  // `sortKey`: press R on the human's first turn of every other hand, so that
  // long runs also pass through the hand sort.
  explicit AutoPlayer(bool sortKey) : sortKey_(sortKey) {}

  // Sets the mouse, buttons and keys for the next frame. False when the human
  // has to choose a capture but no table card of any legal capture can be
  // reached with the pointer (`Problem` says why).
  bool Prepare(Game& game, HeadlessPlatform& platform);
  const char* Problem() const { return problem_; }

 private:
  bool PlanPlay(Game& game, HeadlessPlatform& platform);
  bool PlanCapture(Game& game, HeadlessPlatform& platform);

  bool sortKey_;
  bool released_ = true;  // the last frame had every button up
  int lastSortedHand_ = -1;
  int handNumber_ = 0;
  bool sawEnd_ = false;
  std::vector<int> capture_;  // table positions still to click
  const char* problem_ = "";
};

}  // namespace verlano::sim
