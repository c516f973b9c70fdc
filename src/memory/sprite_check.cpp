// The cards as the screen shows them, against the lists: nothing moves, is
// chosen or is marked to be taken; each hand card shown lies at its place,
// the human's with the size a click is tested against; each table card lies
// in its own place of the table, within the jitter of a card landed there,
// face up and of its size; the sides' piles and sweep marks show their
// lists' cards; the table's places and the sweep marks are laid out as a
// fresh deal lays them.

#include <bit>
#include <cmath>
#include <cstdint>

#include "memory/match_check.h"
#include "rules/game.h"

namespace verlano {

namespace {

// Entries of a hand the deal fills; the last one is spare.
constexpr int kDealtHandEntries = 12;

bool Near(float at, int place, int tolerance) {
  return std::fabs(at - static_cast<float>(place)) <= static_cast<float>(tolerance);
}

bool Within(float at, int low, int high) {
  return at >= static_cast<float>(low) && at <= static_cast<float>(high);
}

void CheckAtRest(const CardSprite& s, const std::string& where) {
  Require(!s.Moving && !s.ToCapture && !s.Chosen, "a card of " + where + " is not at rest");
}

void CheckStill(const Piles& p) {
  for (const CardSprite& s : p.Deck) CheckAtRest(s, "the deck");
  for (const auto& hand : p.Hand) {
    for (const CardSprite& s : hand) CheckAtRest(s, "a hand");
  }
  for (const CardSprite& s : p.TablePile) CheckAtRest(s, "the table");
  for (const SidePiles* side : {&p.Our, &p.Their}) {
    for (const CardSprite& s : side->Pile) CheckAtRest(s, "a side's pile");
  }
  for (int i = 0; i < p.DeckTop; ++i) {
    Require(!p.Deck[i].Present, "the deck shows a card already dealt");
  }
}

// The human's cards are clicked at their places, with the card's size; each
// came to rest within the arrival tolerance of its place.
void CheckHands(const Game& game) {
  const Layout& l = game.layout;
  const int places[4][3] = {{l.HandSlotX, l.HandSlotStep, l.HandSlotY},
                            {l.Hand1X, l.Hand1Step, l.Hand1Y},
                            {l.Hand2X, l.Hand2Step, l.Hand2Y},
                            {l.Hand3X, l.Hand3Step, l.Hand3Y}};
  for (int seat = 0; seat < 4; ++seat) {
    const std::string where = "seat " + std::to_string(seat) + "'s hand";
    for (int i = 0; i < kHandEntries; ++i) {
      const CardSprite& s = game.piles.Hand[seat][i];
      if (!s.Present) continue;
      Require(i < game.settings.Rules.CardsPerHand && s.FaceUp == (seat == 0),
              where + " shows a card at a place the deal does not fill");
      const int x = places[seat][0] + places[seat][1] * i;
      const int y = places[seat][2];
      if (seat != 0) {
        Require(Near(s.X, x, l.ArriveTolX) && Near(s.Y, y, l.ArriveTolY),
                where + " shows a card away from its place");
        continue;
      }
      Require(s.Width == l.CardWidth && s.Height == kCardHeight,
              where + " has a card of another size than the deck's");
      Require(std::abs(s.HomeX - x) <= l.ArriveTolX && std::abs(s.HomeY - y) <= l.ArriveTolY &&
                  Near(s.X, s.HomeX, l.ArriveTolX) && Near(s.Y, s.HomeY, l.ArriveTolY),
              where + " shows a card away from its place");
    }
    for (int i = kDealtHandEntries; i < kHandEntries; ++i) {
      Require(!game.piles.Hand[seat][i].Present, where + " shows a card in its spare place");
    }
  }
}

// Each table card has a place of its own, marked taken, and lies within the
// jitter a card played or dealt there gets, plus the arrival tolerance.
void CheckTable(const Game& game, const Piles& fresh) {
  const Piles& p = game.piles;
  const Layout& l = game.layout;
  const int jitterX = std::max(l.TableJitterX, l.PlaceJitterX) - 1;
  const int jitterY = std::max(l.TableJitterY, l.PlaceJitterY) - 1;
  std::uint64_t used = 0;
  for (int i = 0; i < kTableEntries; ++i) {
    const CardSprite& s = p.TablePile[i];
    // The entries past the table's cards take the next cards played.
    Require(s.Width == fresh.TablePile[i].Width && s.Height == fresh.TablePile[i].Height,
            "a table card has another size than the deck's");
    if (i >= p.TableCount) continue;
    Require(s.Present && s.FaceUp, "a table card is hidden");
    Require(s.Slot >= 0 && s.Slot < kTableSlotEntries && (used >> s.Slot & 1U) == 0,
            "two table cards share a place, or one has none");
    used |= std::uint64_t{1} << s.Slot;
    const TableSlot& slot = fresh.TableSlots[s.Slot];
    Require(Within(s.X, slot.SlotX - l.ArriveTolX, slot.SlotX + jitterX + l.ArriveTolX) &&
                Within(s.Y, slot.SlotY - l.ArriveTolY, slot.SlotY + jitterY + l.ArriveTolY),
            "a table card lies away from its place");
  }
  for (int a = 0; a < kTableSlotEntries; ++a) {
    const TableSlot& slot = p.TableSlots[a];
    Require(slot.SlotX == fresh.TableSlots[a].SlotX && slot.SlotY == fresh.TableSlots[a].SlotY,
            "a table place is not where the table has it");
    Require(slot.Occupied == ((used >> a & 1U) != 0),
            "a table place is marked taken by no card, or free under one");
  }
}

// A side's pile and sweep marks show the side's cards, each once.
void CheckSide(const SidePiles& side, const SidePiles& fresh, const char* name) {
  const std::string where = std::string(name) + " pile";
  std::uint64_t listed = 0;
  for (int i = 0; i < side.CardCount; ++i) listed |= std::uint64_t{1} << side.Cards[i];
  std::uint64_t shown = 0;
  for (int i = 0; i < kSidePileEntries; ++i) {
    const CardSprite& s = side.Pile[i];
    Require(s.Present == (i < side.PileCount), where + " shows other than its count of cards");
    if (!s.Present) continue;
    Require(!s.FaceUp && s.Card >= 0 && s.Card < kCardIndexCount,
            where + " shows a card face up, or none");
    shown |= std::uint64_t{1} << s.Card;
  }
  for (int i = 0; i < kSweepMarkEntries; ++i) {
    const SweepMark& m = side.Sweeps[i];
    const SweepMark& laid = fresh.Sweeps[i];
    Require(m.MarkX == laid.MarkX && m.MarkY == laid.MarkY && m.DrawOrder == laid.DrawOrder,
            where + "'s sweep marks are not laid out as the table lays them");
    Require(m.Shown == (i < side.SweepCount), where + " shows other than its count of sweeps");
    if (!m.Shown) continue;
    Require(m.Card >= 0 && m.Card < kCardIndexCount, where + " shows a sweep of no card");
    shown |= std::uint64_t{1} << m.Card;
  }
  Require(shown == listed && std::popcount(shown) == side.CardCount,
          where + " shows other cards than it lists");
}

}  // namespace

void CheckSprites(const Game& game) {
  // The places and sizes a fresh deal lays out, for the same options.
  Game fresh(Options{}, 0);
  fresh.settings = game.settings;
  fresh.layout = game.layout;
  DealHand(fresh);
  const Piles& p = game.piles;
  CheckStill(p);
  CheckHands(game);
  CheckTable(game, fresh.piles);
  CheckSide(p.Our, fresh.piles.Our, "our");
  CheckSide(p.Their, fresh.piles.Their, "their");
}

}  // namespace verlano
