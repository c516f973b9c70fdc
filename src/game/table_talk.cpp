#include "game/table_talk.h"

#include <array>
#include <string>

#include "game/human_turn.h"
#include "i18n/translate.h"
#include "render/score_page.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kMostValue = 10;

bool Sorting(PlayState state) {
  return state == PlayState::GatherAroundFirstCard || state == PlayState::SpreadAheadFirstCard;
}

// The human's pick is awaited (a sort of the hand delays it, nothing more).
bool HumansTurn(const TurnState& turn) {
  return (turn.GameState == PlayState::NormalPlay || Sorting(turn.GameState)) &&
         turn.WaitingForHuman && turn.CurrentSeat == 0 && !turn.HumanPicked;
}

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

int ValueAt(const Game& game, int position) {
  return game.cards.CardValue[game.piles.TablePile[position].Card];
}

// The human's choice so far and whether the cards left could still complete it.
struct Selection {
  int chosen = 0;
  int sum = 0;
  bool completable = false;
};

Selection ReadSelection(const Game& game, int value) {
  Selection s;
  // reach[v]: some set of the unchosen cards adds up to v.
  std::array<bool, kMostValue + 1> reach{};
  reach[0] = true;
  for (int i = 0; i < game.piles.TableCount - 1; ++i) {
    const CardSprite& card = game.piles.TablePile[i];
    if (!card.Present) continue;
    const int v = ValueAt(game, i);
    if (card.Chosen) {
      ++s.chosen;
      s.sum += v;
      continue;
    }
    for (int t = kMostValue; t >= v && v > 0; --t) reach[t] = reach[t] || reach[t - v];
  }
  const int missing = value - s.sum;
  s.completable = missing >= 0 && missing <= kMostValue && reach[missing];
  return s;
}

std::string ChoosingMessage(const Game& game) {
  const Piles& p = game.piles;
  const int value = game.cards.CardValue[p.TablePile[p.TableCount - 1].Card];
  const Selection s = ReadSelection(game, value);
  // Any choice left standing beside an equal card is refused: the equal card
  // alone would have been taken at once.
  if (s.chosen > 0 && HasEqualCard(game)) {
    return Format(P_("table", "A card of equal value must be taken: the %d").c_str(), value);
  }
  if (s.chosen > 0 && !s.completable) {
    return Format(P_("table", "These cards add up to %d, not %d").c_str(), s.sum, value);
  }
  return Format(P_("table", "Choose the cards to take with your %d").c_str(), value);
}

}  // namespace

TableNotes TableTalk(const Game& game, bool paused, int mouseX, int mouseY) {
  const TurnState& turn = game.turn;
  TableNotes notes;
  const bool choosing = MayClickTable(game);
  if (HumansTurn(turn) || choosing) {
    notes.MarkerSeat = 0;
  } else {
    notes.MarkerSeat = ComputerToPlay(turn, AnyCardMoving(game.piles));
  }
  if (paused) {
    notes.Message = P_("table", "Paused: P to go on");
    return notes;
  }
  if (turn.GameState == PlayState::EndOfMatch) {
    notes.Message = ScorePageHint(game.match);
  } else if (choosing) {
    notes.Message = ChoosingMessage(game);
  } else if (HumansTurn(turn)) {
    notes.Message = P_("table", "Your turn");
  }
  notes.LiftedHandSlot = PlayableHandSlotAt(game, mouseX, mouseY);
  return notes;
}

}  // namespace verlano
