#include "game/table_talk.h"

#include <algorithm>
#include <string>

#include "game/expert_hint.h"
#include "game/human_turn.h"
#include "game/judgement_words.h"
#include "i18n/decimal_words.h"
#include "i18n/translate.h"
#include "render/last_capture_view.h"
#include "render/score_page.h"
#include "rules/game.h"
#include "rules/legal_captures.h"

namespace verlano {

namespace {

// A computer seat to play: the pause after the last card landed (the turn
// passes when it ends), then its own card's flight.
int ComputerToPlay(const TurnState& turn, bool moving) {
  if (turn.GameState == PlayState::Paused && turn.ResumeState == PlayState::NormalPlay &&
      turn.CurrentSeat >= 0 && turn.CurrentSeat < 3) {
    return turn.CurrentSeat + 1;
  }
  if (turn.GameState == PlayState::NormalPlay && !turn.WaitingForHuman && moving &&
      turn.CurrentSeat > 0) {
    return turn.CurrentSeat;
  }
  return -1;
}

// The human's choice so far and whether the cards left could still complete it.
struct Selection {
  int chosen = 0;
  int sum = 0;
  bool completable = false;
};

Selection ReadSelection(const Game& game, int value) {
  Selection s;
  TableSet unchosen = 0;
  for (int i = 0; i < game.piles.TableCount - 1; ++i) {
    const CardSprite& card = game.piles.TablePile[i];
    if (!card.Present) continue;
    if (card.Chosen) {
      ++s.chosen;
      s.sum += game.cards.CardValue[card.Card];
    } else {
      unchosen |= TableSet{1} << i;
    }
  }
  const int missing = value - s.sum;
  s.completable =
      missing >= 0 && missing <= kHighestValue && SetsAddingUp(game, unchosen)[missing] > 0;
  return s;
}

std::string ChoosingMessage(const Game& game) {
  const Piles& p = game.piles;
  const int value = game.cards.CardValue[p.TablePile[p.TableCount - 1].Card];
  const Selection s = ReadSelection(game, value);
  // Any choice left standing beside an equal card is refused: the equal card
  // alone would have been taken at once.
  if (s.chosen > 0 && HasEqualCard(game)) {
    return Format(P_("table", "Take the equal card: the %d").c_str(), value);
  }
  if (s.chosen > 0 && !s.completable) {
    return Format(P_("table", "These add up to %d, not %d").c_str(), s.sum, value);
  }
  return Format(P_("table", "Pick the cards for your %d").c_str(), value);
}

// The expert's play, found by its cards wherever they lie now.
void LightExpertPlay(const Game& game, const ExpertHint& hint, TableNotes& notes) {
  const Piles& p = game.piles;
  for (int i = 0; i < kHandEntries - 1; ++i) {
    if (p.Hand[0][i].Present && p.Hand[0][i].Card == hint.HandCard) notes.LitHandSlot = i;
  }
  const auto taken = hint.TableCards.begin();
  for (int i = 0; i < p.TableCount; ++i) {
    if (p.TablePile[i].Present &&
        std::find(taken, taken + hint.Count, p.TablePile[i].Card) != taken + hint.Count) {
      notes.LitTable |= TableSet{1} << i;
    }
  }
}

// The hint's reason and how far it is ahead of the next best play, in place
// of the message line, which H held has made good.
void SayWhy(const ExpertHint& hint, TableNotes& notes) {
  notes.Message.clear();
  if (hint.OnlyPlay) {
    notes.HintWhy = P_("coach", "your only play");
    return;
  }
  if (hint.Reason == engine::Reason::None) {
    notes.HintWhy = P_("coach", "no play is clearly better");
    return;
  }
  notes.HintWhy = ReasonWords(hint.Reason);
  notes.HintAhead = Format(P_("coach", "%s points a hand ahead of the next best").c_str(),
                           DecimalWords(hint.Ahead, 1).c_str());
}

bool Inside(const Rect& r, int x, int y) {
  return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom;
}

// Space lays open both sides' last captures, the pointer on a pile its side's.
int LastCapturesAsked(const Game& game, const TalkInput& in) {
  // The score page covers the piles.
  if (game.turn.GameState == PlayState::HandOver) return 0;
  int sides = 0;
  for (const int side : {kSideWe, kSideThey}) {
    const SidePiles& pile = side == kSideWe ? game.piles.Our : game.piles.Their;
    if (pile.Last.Taker < 0) continue;
    if (in.lookBack || Inside(PileSpotRect(game, side), in.mouseX, in.mouseY)) sides |= 1 << side;
  }
  return sides;
}

}  // namespace

TableNotes TableTalk(const Game& game, const TalkInput& in) {
  const TurnState& turn = game.turn;
  TableNotes notes;
  const bool choosing = MayClickTable(game);
  const bool humansTurn = AwaitsHumanPick(turn);
  notes.TableClickable = choosing;
  notes.PlayLogShown = in.playLog;
  if (humansTurn || choosing) {
    notes.MarkerSeat = 0;
  } else {
    notes.MarkerSeat = ComputerToPlay(turn, AnyCardMoving(game.piles));
  }
  if (in.paused) {
    notes.Message = P_("table", "Paused: P to go on");
    return notes;
  }
  const bool hints = game.settings.ShowHints;
  if (turn.GameState == PlayState::HandOver) {
    notes.Message = ScorePageHint(game.match);
  } else if (choosing) {
    notes.Message = ChoosingMessage(game);
    if (hints) notes.LitTable = FindLegalCaptures(game).cards;
  } else if (humansTurn) {
    notes.Message = in.takenBack ? P_("table", "Play taken back: your turn")
                    : hints      ? P_("table", "Your turn: hold H for a hint")
                                 : P_("table", "Your turn");
    if (hints && in.expert != nullptr) {
      LightExpertPlay(game, *in.expert, notes);
      SayWhy(*in.expert, notes);
    }
  }
  // The keyboard's highlight, once the keys are used, is the card Return would play.
  notes.LiftedHandSlot =
      in.keyHandSlot >= 0 ? in.keyHandSlot : PlayableHandSlotAt(game, in.mouseX, in.mouseY);
  notes.KeyTableEntry = choosing ? in.keyTableEntry : -1;
  notes.LastCaptureSides = LastCapturesAsked(game, in);
  return notes;
}

}  // namespace verlano
