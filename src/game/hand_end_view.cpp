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

// What a click on no pile, Return or Space does: the held table, the review
// or the open pile, the first of them on show, gives way; with none, the next
// hand is dealt (true).
bool CloseOrDeal(HandEndView& view) {
  if (view.TableHeld) {
    view.TableHeld = false;
  } else if (view.ReviewOpen) {
    view.ReviewOpen = false;
  } else if (view.OpenSide >= 0) {
    view.OpenSide = -1;
  } else {
    return true;
  }
  return false;
}

// A key acts once a press: the view waits for every key to be let go (Return
// and Space come as presses). True when the key deals.
bool FollowKeys(HandEndView& view, const HandEndInput& in) {
  if (in.goOn) return CloseOrDeal(view);
  const bool any = in.ourKey || in.theirKey || in.reviewKey;
  if (view.KeyHeld || !any) {
    view.KeyHeld = any;
    return false;
  }
  view.KeyHeld = true;
  if (view.TableHeld) {
    // The page's own keys wait until it shows.
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
  return false;
}

// A click on a pile opens it (or the other pile); any other click is as
// Return. True when the click deals.
bool FollowClick(HandEndView& view, const Game& game, const HandEndInput& in) {
  if (view.ClickHeld) {
    view.ClickHeld = in.click;
    return false;
  }
  if (!in.click) return false;
  const int side = PileAt(game, in.mouseX, in.mouseY);
  if (!view.TableHeld && !view.ReviewOpen && side >= 0 && side != view.OpenSide) {
    view.OpenSide = side;
  } else if (CloseOrDeal(view)) {
    return true;
  }
  view.ClickHeld = true;
  return false;
}

// The table's cards as they lie, their remainder about to go to `side`.
LastTable KeptTable(const Game& game, int side) {
  LastTable last{.RestSide = side};
  const Piles& p = game.piles;
  for (int i = 0; i < std::clamp(p.TableCount, 0, kTableEntries); ++i) {
    const CardSprite& card = p.TablePile[static_cast<std::size_t>(i)];
    if (card.Present) last.Cards.push_back(card);
  }
  return last;
}

}  // namespace

bool FollowHandEnd(HandEndView& view, const Game& game, const HandEndInput& in) {
  if (game.turn.GameState != PlayState::HandOver) return false;
  const bool keyDeals = FollowKeys(view, in);
  return FollowClick(view, game, in) || keyDeals;
}

void NoteHandEnd(HandEndView& view, const Game& game) {
  const PlayState state = game.turn.GameState;
  const bool over = state == PlayState::HandOver;
  const bool rest = state == PlayState::WeTakeRemainder || state == PlayState::TheyTakeRemainder;
  // The remainder's state sends the cards off from its next step on: the
  // table is kept on the first frame of it.
  if (rest && view.Last.RestSide < 0) {
    view.Last = KeptTable(game, state == PlayState::WeTakeRemainder ? kSideWe : kSideThey);
  }
  if (over && !view.WasHandOver) view.TableHeld = game.settings.HoldLastTable;
  if (!over && !rest) view = HandEndView{};
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
