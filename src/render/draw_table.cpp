#include "render/draw_table.h"

#include <algorithm>
#include <span>

#include "render/cint.h"
#include "render/clock_text.h"
#include "render/fill_rect.h"
#include "render/last_capture_view.h"
#include "render/review_page.h"
#include "render/score_page.h"
#include "render/table_areas.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kPileCardsShown = 11;  // older cards lie hidden under these
constexpr int kDeckStackDepth = 7;
constexpr int kLastDeckCard = 39;

// Draws the game's pictures onto the back buffer, always the whole picture
// and honouring its colour key.
class TablePainter {
 public:
  TablePainter(const ResourceSlots& slots, Screen& screen) : slots_(slots), screen_(screen) {}

  void Picture(const Surface& picture, float x, float y) {
    BltFastClip(screen_, picture, screen_.BackBuffer, Rect{}, CInt(x), CInt(y), true);
  }

  // A card index with no picture (a fresh hand slot holds a placeholder)
  // draws nothing rather than reading past the table.
  void Face(int card, float x, float y) {
    if (card < 0 || card >= kCardImageEntries) return;
    Picture(slots_.CardImage[static_cast<std::size_t>(card)], x, y);
  }

  // A hint's outline around a card's face as drawn at (x, y).
  void Lit(int card, float x, float y, std::uint16_t colour = kMarkColour) {
    if (card < 0 || card >= kCardImageEntries) return;
    const Surface& face = slots_.CardImage[static_cast<std::size_t>(card)];
    const int left = CInt(x);
    const int top = CInt(y);
    OutlineRect(screen_, screen_.BackBuffer, Rect{left, top, left + face.Width, top + face.Height},
                kLitOutline, colour);
  }

  void Back(float x, float y) { Picture(slots_.CardBack, x, y); }

  void Card(const CardSprite& sprite, bool faceUp) {
    if (faceUp) {
      Face(sprite.Card, sprite.X, sprite.Y);
    } else {
      Back(sprite.X, sprite.Y);
    }
  }

  void SweepMarks(const SidePiles& side) {
    for (int i = 0; i < kUsableSweepMarks; ++i) {
      const int k = side.Sweeps[static_cast<std::size_t>(i)].DrawOrder;
      if (k < 0 || k >= kSweepMarkEntries) continue;
      const SweepMark& mark = side.Sweeps[static_cast<std::size_t>(k)];
      if (mark.Shown) Face(mark.Card, mark.X, mark.Y);
    }
  }

  void TakenPile(const SidePiles& side) {
    const int count = std::clamp(side.PileCount, 0, kSidePileEntries);
    for (int i = std::max(0, count - kPileCardsShown); i < count; ++i) {
      const CardSprite& sprite = side.Pile[static_cast<std::size_t>(i)];
      if (sprite.Present) Back(sprite.X, sprite.Y);
    }
  }

  // Each card's outline is drawn with it, so the cards above cover it as
  // they cover the card.
  void Table(std::span<const CardSprite> cards, TableSet lit, int keyEntry) {
    for (int i = 0; i < std::ssize(cards); ++i) {
      const CardSprite& sprite = cards[static_cast<std::size_t>(i)];
      if (!sprite.Present) continue;
      Card(sprite, sprite.FaceUp);
      if (sprite.FaceUp && sprite.Chosen) Picture(slots_.FrameBlue, sprite.X, sprite.Y);
      if (sprite.FaceUp && (lit >> i & 1U) != 0) Lit(sprite.Card, sprite.X, sprite.Y);
      if (sprite.FaceUp && i == keyEntry) Lit(sprite.Card, sprite.X, sprite.Y, kKeyColour);
    }
  }

  // The human's own cards always show their faces; the one a click would
  // play, and the one a hint lights, are drawn `kHandCardLift` pixels higher,
  // their places unchanged.
  void Hand(const std::array<CardSprite, kHandEntries>& hand, bool alwaysFaceUp, int lifted,
            int lit) {
    for (int i = 0; i < kHandEntries - 1; ++i) {
      const CardSprite& sprite = hand[static_cast<std::size_t>(i)];
      if (!sprite.Present) continue;
      if (i == lifted || i == lit) {
        const float y = sprite.Y - static_cast<float>(kHandCardLift);
        Face(sprite.Card, sprite.X, y);
        if (i == lit) Lit(sprite.Card, sprite.X, y);
      } else {
        Card(sprite, alwaysFaceUp || sprite.FaceUp);
      }
    }
  }

  // Drawn top index first, so the next card to deal lies on the stack and the
  // one being dealt over everything.
  void DeckStack(const Piles& piles) {
    const int lo = std::clamp(piles.DeckTop - 1, 0, kLastDeckCard);
    const int hi = std::min(lo + kDeckStackDepth, kLastDeckCard);
    for (int i = hi; i >= lo; --i) {
      const CardSprite& sprite = piles.Deck[static_cast<std::size_t>(i)];
      if (sprite.Present) Card(sprite, sprite.FaceUp);
    }
  }

 private:
  const ResourceSlots& slots_;
  Screen& screen_;
};

}  // namespace

void DrawTable(const Game& game, ResourceSlots& slots, Screen& screen, const TimeOfDay& now,
               const TableNotes& notes) {
  const Piles& piles = game.piles;
  TablePainter paint(slots, screen);
  paint.SweepMarks(piles.Our);
  paint.SweepMarks(piles.Their);
  paint.TakenPile(piles.Our);
  paint.TakenPile(piles.Their);
  // While the table takes clicks, no last capture hides a table card.
  if (notes.TableClickable) DrawLastCaptures(game, notes.LastCaptureSides, true, slots, screen);
  // The last table held on show is the one its last play left, remainder and all.
  const std::span<const CardSprite> table =
      notes.LastTableHeld
          ? std::span<const CardSprite>(notes.Last.Cards)
          : std::span(piles.TablePile)
                .first(static_cast<std::size_t>(std::clamp(piles.TableCount, 0, kTableEntries)));
  paint.Table(table, notes.LitTable, notes.KeyTableEntry);
  for (const int seat : {2, 1, 3}) {
    paint.Hand(piles.Hand[static_cast<std::size_t>(seat)], false, -1, -1);
  }
  paint.Hand(piles.Hand[0], true, notes.LiftedHandSlot, notes.LitHandSlot);
  paint.DeckStack(piles);
  if (ScorePageShown(game, notes)) {
    DrawScorePage(game, notes.OpenPile, slots, screen);
    DrawReviewSheet(game, notes.Review, slots, screen);
  }

  clsDXBitmapFont& clock = slots.DigitFont;
  const Rect clockAt = ClockRect(game);
  clock.XPos = static_cast<float>(clockAt.Left);
  clock.YPos = static_cast<float>(clockAt.Top);
  clock.DrawText(screen, screen.BackBuffer, ClockText(now), true);
}

}  // namespace verlano
