#include "game/keyboard_play.h"

#include <algorithm>
#include <vector>

#include "game/human_turn.h"
#include "rules/game.h"
#include "rules/legal_captures.h"

namespace verlano {

namespace {

constexpr int kDigitKeys = 10;

int DigitKey(int n) {  // the key of the n-th card, from 0: 1 to 9, then 0
  return n < kDigitKeys - 1 ? kKeyDigit1 + n : kKeyDigit0;
}

// The hand cards that can be played now, left to right as they lie.
std::vector<int> PlayableSlots(const Game& game) {
  std::vector<int> slots;
  for (int i = 0; i < kHandEntries - 1; ++i) {
    if (PlayableHandSlot(game, i)) slots.push_back(i);
  }
  const auto& hand = game.piles.Hand[0];
  std::stable_sort(slots.begin(), slots.end(),
                   [&hand](int a, int b) { return hand[a].HomeX < hand[b].HomeX; });
  return slots;
}

// The table cards the human may choose now, left to right, then top to
// bottom: those some legal capture takes, and those already chosen, so that
// Space can leave them again.
std::vector<int> ChoosableEntries(const Game& game) {
  std::vector<int> entries;
  if (!MayClickTable(game)) return entries;
  const Piles& p = game.piles;
  const TableSet legal = FindLegalCaptures(game).cards;
  for (int i = 0; i < p.TableCount - 1; ++i) {
    const CardSprite& card = p.TablePile[i];
    if (card.Present && ((legal >> i & 1U) != 0 || card.Chosen)) entries.push_back(i);
  }
  std::stable_sort(entries.begin(), entries.end(), [&p](int a, int b) {
    const CardSprite& x = p.TablePile[a];
    const CardSprite& y = p.TablePile[b];
    return x.X != y.X ? x.X < y.X : x.Y < y.Y;
  });
  return entries;
}

// The highlighted one of `order`, or the first when it is not among them.
int Current(const std::vector<int>& order, int highlighted) {
  if (order.empty()) return -1;
  return std::find(order.begin(), order.end(), highlighted) != order.end() ? highlighted
                                                                            : order.front();
}

// `step` places along `order` from `current`; at the ends it stops, or wraps around.
int Moved(const std::vector<int>& order, int current, int step, bool wrap) {
  const int size = static_cast<int>(order.size());
  int at = static_cast<int>(std::find(order.begin(), order.end(), current) - order.begin()) + step;
  at = wrap ? (at % size + size) % size : std::clamp(at, 0, size - 1);
  return order[static_cast<std::size_t>(at)];
}

// This frame's presses; remembers whether any playing key was among them.
class KeyPresses {
 public:
  explicit KeyPresses(const Platform& platform) : platform_(platform) {}
  bool Pressed(int key) {
    const bool pressed = platform_.KeyPressed(key);
    any_ = any_ || pressed;
    return pressed;
  }
  bool Any() const { return any_; }

 private:
  const Platform& platform_;
  bool any_ = false;
};

// The highlight along `order` after this frame's Left and Right, which stop
// at its ends; -1 stays -1 (nothing to highlight).
int StepArrows(KeyPresses& keys, const std::vector<int>& order, int current) {
  if (keys.Pressed(kKeyLeft) && current >= 0) current = Moved(order, current, -1, false);
  if (keys.Pressed(kKeyRight) && current >= 0) current = Moved(order, current, 1, false);
  return current;
}

void FollowHandKeys(Game& game, KeyPresses& keys, KeyboardPlay& play) {
  const std::vector<int> order = PlayableSlots(game);
  const bool wasUsed = play.Used;
  int slot = StepArrows(keys, order, Current(order, play.HandSlot));
  for (int n = 0; n < kDigitKeys; ++n) {
    if (keys.Pressed(DigitKey(n)) && n < static_cast<int>(order.size())) slot = order[n];
  }
  play.HandSlot = slot;
  // The first key only shows the highlight: no card is played unseen.
  if (keys.Pressed(kKeyReturn) && wasUsed && PlayableHandSlot(game, slot)) {
    game.turn.PickedHandSlot = PickHandSlot(game, slot);
  }
  play.Used = play.Used || keys.Any();
}

void FollowTableKeys(Game& game, KeyPresses& keys, KeyboardPlay& play) {
  const std::vector<int> order = ChoosableEntries(game);
  const bool wasUsed = play.Used;
  int entry = StepArrows(keys, order, Current(order, play.TablePosition));
  if (keys.Pressed(kKeyTab) && entry >= 0) entry = Moved(order, entry, 1, true);
  play.TablePosition = entry;
  const bool space = keys.Pressed(kKeySpace);
  const bool ret = keys.Pressed(kKeyReturn);
  const bool back = keys.Pressed(kKeyBackspace);
  play.Used = play.Used || keys.Any();
  if (entry < 0 || !wasUsed) return;
  Piles& p = game.piles;
  if (back) {
    // Every choice at once: taken back one by one, a part could complete the capture.
    for (int i = 0; i < p.TableCount - 1; ++i) p.TablePile[i].Chosen = false;
  } else if (space || ret) {
    const bool chosen = p.TablePile[entry].Chosen;
    if (space || !chosen) ChooseTableCard(game, entry, !chosen);
  }
}

}  // namespace

void FollowKeys(Game& game, const Platform& platform, KeyboardPlay& play) {
  KeyPresses keys(platform);
  if (MayClickTable(game)) {
    FollowTableKeys(game, keys, play);
  } else {
    // Each capture's choice starts from the first table card.
    play.TablePosition = -1;
    FollowHandKeys(game, keys, play);
  }
}

int HighlightedHandSlot(const Game& game, const KeyboardPlay& play) {
  return play.Used ? Current(PlayableSlots(game), play.HandSlot) : -1;
}

int HighlightedTablePosition(const Game& game, const KeyboardPlay& play) {
  return play.Used ? Current(ChoosableEntries(game), play.TablePosition) : -1;
}

}  // namespace verlano
