#include "game/hand_end_view.h"

#include <algorithm>

#include "engine/hand_score.h"
#include "render/table_areas.h"
#include "rules/game.h"

namespace verlano {

namespace {

bool Inside(const Rect& r, int x, int y) {
  return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom;
}

int PileAt(const Game& game, int x, int y) {
  for (const int side : {kSideWe, kSideThey}) {
    if (Inside(ScorePileRect(game, side), x, y)) return side;
  }
  return -1;
}

int Toggled(int open, int side) {
  return open == side ? -1 : side;
}

// A key acts once a press: the view waits for every key to be let go.
void FollowKeys(HandEndView& view, const HandEndInput& in) {
  const bool any = in.release || in.ourKey || in.theirKey || in.reviewKey;
  if (view.KeyHeld || !any) {
    view.KeyHeld = any;
    return;
  }
  view.KeyHeld = true;
  if (view.TableHeld) {
    view.TableHeld = !in.release;
  } else if (in.reviewKey) {
    view.ReviewOpen = !view.ReviewOpen;
    view.OpenSide = -1;
  } else if (view.ReviewOpen) {
    // The page's own keys wait until the review is closed.
  } else if (in.ourKey) {
    view.OpenSide = Toggled(view.OpenSide, kSideWe);
  } else if (in.theirKey) {
    view.OpenSide = Toggled(view.OpenSide, kSideThey);
  }
}

// A click on a pile opens it (or the other pile); any click with a pile open
// closes it; a click on the held table shows the page.
bool FollowClick(HandEndView& view, const Game& game, const HandEndInput& in) {
  if (view.ClickHeld) {
    view.ClickHeld = in.click;
    return in.click;
  }
  if (!in.click) return false;
  const int side = PileAt(game, in.mouseX, in.mouseY);
  if (view.TableHeld) {
    view.TableHeld = false;
  } else if (view.ReviewOpen) {
    view.ReviewOpen = false;
  } else if (side >= 0 && side != view.OpenSide) {
    view.OpenSide = side;
  } else if (view.OpenSide >= 0) {
    view.OpenSide = -1;
  } else {
    return false;
  }
  view.ClickHeld = true;
  return true;
}

}  // namespace

bool FollowHandEnd(HandEndView& view, const Game& game, const HandEndInput& in) {
  if (game.turn.GameState != PlayState::HandOver) return false;
  FollowKeys(view, in);
  return FollowClick(view, game, in);
}

void NoteHandEnd(HandEndView& view, const Game& game) {
  const bool over = game.turn.GameState == PlayState::HandOver;
  if (over && !view.WasHandOver) view.TableHeld = game.settings.HoldLastTable;
  if (!over) view = HandEndView{};
  view.WasHandOver = over;
}

PileSheet PileSheetOf(const Game& game, int side) {
  const SidePiles& pile = side == kSideWe ? game.piles.Our : game.piles.Their;
  const SideScore& score = side == kSideWe ? game.score.We : game.score.They;
  PileSheet sheet;
  sheet.Side = side;
  engine::CardSet cards = 0;
  for (int i = 0; i < std::clamp(pile.CardCount, 0, kSideCardEntries); ++i) {
    const int card = pile.Cards[static_cast<std::size_t>(i)];
    cards |= engine::Bit(card);
    const auto row =
        std::ranges::find(kSheetSuits, game.cards.CardSuit[card]) - kSheetSuits.begin();
    sheet.Rows[static_cast<std::size_t>(row)].push_back(card);
  }
  for (std::vector<int>& row : sheet.Rows) std::ranges::sort(row);
  const std::array<int, 4> best = engine::PrimieraCards(cards);
  for (std::size_t row = 0; row < kSheetSuits.size(); ++row) {
    sheet.Primiera[row] = best[static_cast<std::size_t>(kSheetSuits[row])];
  }
  sheet.Coins = score.Coins;
  sheet.PrimieraSum = score.PrimieraSum;
  return sheet;
}

PileSheet OpenPileSheet(const HandEndView& view, const Game& game) {
  const bool open = game.turn.GameState == PlayState::HandOver && !view.TableHeld;
  return open && view.OpenSide >= 0 ? PileSheetOf(game, view.OpenSide) : PileSheet{};
}

}  // namespace verlano
