#include "sim/auto_player.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "game/engine_view.h"
#include "game/table_bookkeeping.h"
#include "rules/game.h"

namespace verlano::sim {

namespace {

using Point = std::pair<int, int>;

bool Covers(float left, float top, int w, int h, int x, int y) {
  return left < x && x < left + w && top < y && y < top + h;
}

// A point of entry `target` that no entry drawn above it covers; the hit tests
// scan from the top down, so such a point selects exactly that entry.
template <typename RectOf, typename Above>
std::optional<Point> VisiblePoint(RectOf rectOf, int target, int topmost, Above isAbove) {
  const auto [left, top, w, h] = rectOf(target);
  for (int dy = h / 2; dy < h; dy += 7) {
    for (int dx = 2; dx < w; dx += 3) {
      const int x = static_cast<int>(left) + dx;
      const int y = static_cast<int>(top) + dy;
      if (!Covers(left, top, w, h, x, y)) continue;
      bool hidden = false;
      for (int j = topmost; j > target && !hidden; --j) {
        if (!isAbove(j)) continue;
        const auto [l2, t2, w2, h2] = rectOf(j);
        hidden = Covers(l2, t2, w2, h2, x, y);
      }
      if (!hidden) return Point{x, y};
    }
  }
  return std::nullopt;
}

struct Box {
  float left, top;
  int w, h;
};

std::optional<Point> HandCardPoint(const Game& game, int slot) {
  const auto& hand = game.piles.Hand[0];
  auto rectOf = [&](int i) {
    return Box{static_cast<float>(hand[i].HomeX), static_cast<float>(hand[i].HomeY), hand[i].Width,
               hand[i].Height};
  };
  auto above = [&](int j) { return hand[j].Present && !hand[j].Moving; };
  return VisiblePoint(rectOf, slot, 11, above);
}

std::optional<Point> TableCardPoint(const Game& game, int position) {
  const Piles& p = game.piles;
  const int played = p.TablePile[p.TableCount - 1].Card;
  auto rectOf = [&](int i) {
    const CardSprite& s = p.TablePile[i];
    return Box{s.X, s.Y, s.Width, s.Height};
  };
  auto above = [&](int j) { return p.TablePile[j].Present && p.TablePile[j].Card != played; };
  return VisiblePoint(rectOf, position, p.TableCount - 2, above);
}

// Every card of the selection can be clicked where it shows.
bool Reachable(const Game& game, const std::vector<int>& selection) {
  for (int position : selection) {
    if (!TableCardPoint(game, position)) return false;
  }
  return true;
}

}  // namespace

bool AutoPlayer::Prepare(Game& game, HeadlessPlatform& platform) {
  platform.SetButton(0, false);
  platform.SetButton(1, false);
  platform.SetKey(19, false);
  // Every press is followed by a frame with the button up, as a click is.
  if (!released_) {
    released_ = true;
    return true;
  }
  const TurnState& turn = game.turn;
  if (turn.GameState != PlayState::HandOver) sawEnd_ = false;
  if (turn.GameState == PlayState::HandOver && !sawEnd_) {
    sawEnd_ = true;
    ++handNumber_;
    platform.SetMouse(400, 300);
    platform.SetButton(0, true);
    released_ = false;
    return true;
  }
  const bool choosing = turn.GameState == PlayState::WeGatherCapture ||
                        turn.GameState == PlayState::WeGatherSweep;
  if (choosing && turn.CurrentSeat == 0 && !game.capture.CaptureReady &&
      !AnyCardMoving(game.piles)) {
    return PlanCapture(game, platform);
  }
  if (turn.GameState == PlayState::NormalPlay && turn.WaitingForHuman && !turn.HumanPicked &&
      !AnyCardMoving(game.piles)) {
    return PlanPlay(game, platform);
  }
  return true;
}

bool AutoPlayer::PlanPlay(Game& game, HeadlessPlatform& platform) {
  if (sortKey_ && handNumber_ % 2 == 0 && lastSortedHand_ != handNumber_ &&
      game.piles.HandCount[0] == game.settings.Rules.CardsPerHand) {
    lastSortedHand_ = handNumber_;
    platform.SetKey(19, true);
    released_ = false;
    return true;
  }
  const ComputerPlay play = ClassicPlay(game, 0);
  const CaptureChoice& choice = play.Capture;
  capture_.assign(choice.Positions.begin(), choice.Positions.begin() + choice.Count);
  const int slot = SlotOfNthCard(game, play.HandPosition, 0);
  const auto point = HandCardPoint(game, slot);
  if (!point) {
    problem_ = "the chosen hand card has no visible part";
    return false;
  }
  platform.SetMouse(point->first, point->second);
  platform.SetButton(0, true);
  released_ = false;
  return true;
}

bool AutoPlayer::PlanCapture(Game& game, HeadlessPlatform& platform) {
  const Piles& p = game.piles;
  // The plan still stands while it is a legal selection every card of which
  // can be reached; otherwise take the first legal one that can.
  std::vector<int> wanted = capture_;
  bool planOk = !wanted.empty() && Reachable(game, wanted);
  if (planOk) {
    planOk = false;
    for (const auto& legal : CapturesOfPlayedCard(game)) planOk = planOk || legal == wanted;
  }
  if (!planOk) {
    wanted.clear();
    for (const auto& legal : CapturesOfPlayedCard(game)) {
      if (Reachable(game, legal)) {
        wanted = legal;
        break;
      }
    }
    if (wanted.empty()) {
      problem_ = "no legal capture can be reached with the pointer";
      return false;
    }
    capture_ = wanted;
  }
  // Take back a stray choice first (right button), then choose the next card.
  for (int i = 0; i < p.TableCount - 1; ++i) {
    const bool want = std::find(wanted.begin(), wanted.end(), i) != wanted.end();
    if (p.TablePile[i].Chosen == want) continue;
    const auto point = TableCardPoint(game, i);
    if (!point) continue;
    platform.SetMouse(point->first, point->second);
    platform.SetButton(want ? 0 : 1, true);
    released_ = false;
    return true;
  }
  return true;
}

}  // namespace verlano::sim
