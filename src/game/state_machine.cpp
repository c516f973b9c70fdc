#include "game/state_machine.h"

#include "ai/choose.h"
#include "game/capture_flights.h"
#include "game/hand_sort.h"
#include "game/human_turn.h"
#include "game/step_drivers.h"
#include "game/table_bookkeeping.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr std::uint32_t kRevealPauseMs = 700;

// While a dealt card flies, only it moves: the deck entry just taken.
void StepDealtCard(Game& game) {
  Piles& p = game.piles;
  if (p.DeckTop > 0) StepSprite(game, p.Deck[p.DeckTop - 1]);
}

void StepDeal(Game& game, bool moving) {
  if (moving) {
    StepDealtCard(game);
    return;
  }
  DealStep(game);
}

void StepTableDeal(Game& game, bool moving) {
  if (moving) {
    StepDealtCard(game);
    return;
  }
  Piles& p = game.piles;
  game.turn.PauseJustEnded = false;
  DealCardToTable(game, p.Deck[p.DeckTop]);
  p.DeckTop += 1;
}

void StepReveal(Game& game) {
  TurnState& turn = game.turn;
  if (turn.RevealCount < kTableEntries) game.piles.TablePile[turn.RevealCount].FaceUp = true;
  PlaySignSound(game);
  turn.RevealCount += 1;
  if (turn.RevealCount >= game.settings.Rules.TableCardsAtDeal) {
    turn.RevealCount = 0;
    turn.GameState = PlayState::NormalPlay;
  } else {
    turn.PauseJustEnded = false;
    StartPause(game, kRevealPauseMs);
  }
}

void StepPause(Game& game) {
  TurnState& turn = game.turn;
  // An unsigned difference of clock readings: right at any uptime.
  if (turn.TickNow - turn.PauseStart > turn.PauseLength) {
    turn.GameState = turn.ResumeState;
    turn.PauseJustEnded = true;
  }
}

void PassTurn(Game& game) {
  TurnState& turn = game.turn;
  turn.PauseJustEnded = false;
  turn.CurrentSeat += 1;
  ClearSweepFlags(game);
  if (turn.CurrentSeat == 4) {
    turn.HumanPicked = false;
    turn.CurrentSeat = 0;
    turn.HumanPlayed = false;
    turn.WaitingForHuman = true;
    return;
  }
  const int seat = turn.CurrentSeat;
  const int n = ChooseComputerCard(game, seat);
  turn.AIPlaySlot = SlotOfNthCard(game, n, seat);
  CardSprite& card = game.piles.Hand[seat][turn.AIPlaySlot];
  card.FaceUp = true;
  PlayCardToTable(game, card);
}

void StepNormalPlay(Game& game, bool moving) {
  TurnState& turn = game.turn;
  if (moving) {
    for (int i = 0; i < 10 && turn.GameState == PlayState::NormalPlay; ++i) {
      StepSprite(game, game.piles.Hand[0][i]);
    }
  }
  if (turn.GameState != PlayState::NormalPlay || turn.WaitingForHuman) return;
  if (!AnyCardMoving(game.piles)) {
    PassTurn(game);
  } else if (turn.CurrentSeat != 0) {
    StepSprite(game, game.piles.Hand[turn.CurrentSeat][turn.AIPlaySlot]);
  }
}

void StepGathering(Game& game, bool moving, bool humanMayChoose) {
  if (moving) {
    StepGather(game);
    return;
  }
  if (humanMayChoose && game.turn.CurrentSeat == 0) {
    if (!game.capture.CaptureReady) return;
    game.capture.CaptureReady = false;
  }
  GatherCaptured(game);
}

void StepToSide(Game& game, bool moving, bool ours) {
  if (moving) {
    StepToPile(game);
    return;
  }
  const Layout& l = game.layout;
  SendCapturedToPile(game, ours ? l.OurPileX : l.TheirPileX, ours ? l.OurPileY : l.TheirPileY);
}

void StepSweep(Game& game, bool moving, bool ours) {
  if (moving) {
    StepToPile(game);
    return;
  }
  StartSweepFlight(game, ours);
}

void StepRemainder(Game& game, bool moving, bool ours) {
  if (moving) {
    StepToPile(game);
    return;
  }
  if (game.piles.TableCardCount > 0) {
    MarkAllTableCards(game);
    StepToSide(game, false, ours);
  } else {
    EndHandWithRemainder(game, ours ? TakeCardsOurs : TakeCardsTheirs);
  }
}

void StepSort(Game& game, bool moving, bool gathering) {
  if (moving) {
    StepHandSort(game);
    return;
  }
  if (gathering) {
    const CardSprite& first = game.piles.Hand[0][0];
    GatherHand(game, first.X, first.Y);
  } else {
    SpreadHand(game);
  }
}

}  // namespace

void StartPause(Game& game, std::uint32_t milliseconds) {
  TurnState& turn = game.turn;
  turn.ResumeState = turn.GameState;
  turn.GameState = PlayState::Paused;
  turn.PauseStart = turn.TickNow;
  turn.PauseLength = milliseconds;
}

int SlotOfNthCard(const Game& game, int n, int seat) {
  const auto& hand = game.piles.Hand[seat];
  int seen = 0;
  for (int i = 0; i < 12; ++i) {
    if (!hand[i].Present) continue;
    if (seen == n) return i;
    ++seen;
  }
  return 0;
}

void StepGameState(Game& game, std::uint64_t tickNow) {
  game.turn.TickNow = tickNow;
  const bool moving = AnyCardMoving(game.piles);
  switch (game.turn.GameState) {
    case PlayState::DealingCards:
      StepDeal(game, moving);
      break;
    case PlayState::Deal2:
      StepTableDeal(game, moving);
      break;
    case PlayState::RevealDeal:
      StepReveal(game);
      break;
    case PlayState::Paused:
      StepPause(game);
      break;
    case PlayState::NormalPlay:
      StepNormalPlay(game, moving);
      break;
    case PlayState::WeGettingCardsGathering:
    case PlayState::WeGettingDrevGathering:
      StepGathering(game, moving, true);
      break;
    case PlayState::TheyGettingCardsGathering:
    case PlayState::TheyGettingDrevGathering:
      StepGathering(game, moving, false);
      break;
    case PlayState::WeGettingCards:
      StepToSide(game, moving, true);
      break;
    case PlayState::TheyGettingCards:
      StepToSide(game, moving, false);
      break;
    case PlayState::WeGettingDrev:
      StepSweep(game, moving, true);
      break;
    case PlayState::TheyGettingDrev:
      StepSweep(game, moving, false);
      break;
    case PlayState::OurRemainders:
      StepRemainder(game, moving, true);
      break;
    case PlayState::TheirRemainders:
      StepRemainder(game, moving, false);
      break;
    case PlayState::GatherAroundFirstCard:
      StepSort(game, moving, true);
      break;
    case PlayState::SpreadAheadFirstCard:
      StepSort(game, moving, false);
      break;
    case PlayState::EndOfMatch:
      break;
  }
}

}  // namespace verlano
