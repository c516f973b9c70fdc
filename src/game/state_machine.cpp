#include "game/state_machine.h"

#include <array>
#include <optional>

#include "game/capture_flights.h"
#include "game/computer_turn.h"
#include "game/hand_sort.h"
#include "game/human_turn.h"
#include "game/landings.h"
#include "game/step_drivers.h"
#include "game/table_bookkeeping.h"
#include "game/turn_pause.h"
#include "rules/game.h"

namespace verlano {

namespace {

void RunLanding(Game& game, CardSprite& sprite);

// A driver's arrived card lands as the state the machine is in says.
void Land(Game& game, CardSprite* arrived) {
  if (arrived != nullptr) RunLanding(game, *arrived);
}

// While a dealt card flies, only it moves: the deck entry just taken.
void StepDealtCard(Game& game) {
  Piles& p = game.piles;
  if (p.DeckTop > 0) Land(game, StepSprite(game, p.Deck[p.DeckTop - 1]));
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
    EnterState(turn, PlayState::NormalPlay);
  } else {
    turn.PauseJustEnded = false;
    StartPause(game, static_cast<std::uint32_t>(game.layout.PauseMs));
  }
}

void StepPause(Game& game) {
  TurnState& turn = game.turn;
  // An unsigned difference of clock readings: right at any uptime.
  if (turn.TickNow - turn.PauseStart > turn.PauseLength) {
    EnterState(turn, turn.ResumeState);
    turn.PauseJustEnded = true;
  }
}

// The seat whose turn it is plays, unless its search is still under way: the
// turn then waits, and the next steps ask again.
void PlayComputerSeat(Game& game) {
  TurnState& turn = game.turn;
  const int seat = turn.CurrentSeat;
  const std::optional<ComputerPlay> play = ChooseForSeat(game, seat);
  turn.SeatThinking = !play;
  if (!play) return;
  SearchAhead(game, seat, *play);
  game.capture.Choice = play->Capture;
  turn.AIPlaySlot = SlotOfNthCard(game, play->HandPosition, seat);
  CardSprite& card = game.piles.Hand[seat][turn.AIPlaySlot];
  card.FaceUp = true;
  PlayCardToTable(game, card);
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
  PlayComputerSeat(game);
}

void StepNormalPlay(Game& game, bool moving) {
  TurnState& turn = game.turn;
  if (moving) {
    for (int i = 0; i < 10 && turn.GameState == PlayState::NormalPlay; ++i) {
      Land(game, StepSprite(game, game.piles.Hand[0][i]));
    }
  }
  if (turn.GameState != PlayState::NormalPlay || turn.WaitingForHuman) return;
  if (!AnyCardMoving(game.piles)) {
    if (turn.SeatThinking) {
      PlayComputerSeat(game);
    } else {
      PassTurn(game);
    }
  } else if (turn.CurrentSeat != 0) {
    Land(game, StepSprite(game, game.piles.Hand[turn.CurrentSeat][turn.AIPlaySlot]));
  }
}

void StepGathering(Game& game, bool moving, bool humanMayChoose) {
  if (moving) {
    Land(game, StepGather(game));
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
    Land(game, StepToPile(game));
    return;
  }
  const Layout& l = game.layout;
  SendCapturedToPile(game, ours ? l.OurPileX : l.TheirPileX, ours ? l.OurPileY : l.TheirPileY);
}

void StepSweep(Game& game, bool moving, bool ours) {
  if (moving) {
    Land(game, StepToPile(game));
    return;
  }
  StartSweepFlight(game, ours);
}

void StepRemainder(Game& game, bool moving, bool ours) {
  if (moving) {
    Land(game, StepToPile(game));
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
    Land(game, StepHandSort(game));
    return;
  }
  if (gathering) {
    const CardSprite& first = game.piles.Hand[0][0];
    GatherHand(game, first.X, first.Y);
  } else {
    SpreadHand(game);
  }
}

void LandsNothing(Game&, CardSprite&) {}

// One row a state: its step and its landing. Indexed by the state's value.
// The states each one may lead to are listed, and every change is checked,
// with the states themselves (rules/play_state.cpp).
struct PlayStateRow {
  PlayState state;
  void (*step)(Game& game, bool moving);
  void (*land)(Game& game, CardSprite& sprite);
};

constexpr std::array<PlayStateRow, kPlayStateCount> kPlayStates = {{
    {PlayState::DealingCards, StepDeal, DealtCardLands},
    {PlayState::DealingToTable, StepTableDeal, TableDealtCardLands},
    {PlayState::RevealingTable, [](Game& g, bool) { StepReveal(g); }, LandsNothing},
    {PlayState::Paused, [](Game& g, bool) { StepPause(g); }, LandsNothing},
    {PlayState::NormalPlay, StepNormalPlay, PlayedCardLands},
    {PlayState::WeGatherCapture, [](Game& g, bool m) { StepGathering(g, m, true); },
     [](Game& g, CardSprite&) { HumanGatherLands(g); }},
    {PlayState::TheyGatherCapture, [](Game& g, bool m) { StepGathering(g, m, false); },
     [](Game& g, CardSprite&) { GatherLands(g, PlayState::TheyTakeCapture); }},
    {PlayState::WeGatherSweep, [](Game& g, bool m) { StepGathering(g, m, true); },
     [](Game& g, CardSprite&) { GatherLands(g, PlayState::WeTakeSweep); }},
    {PlayState::TheyGatherSweep, [](Game& g, bool m) { StepGathering(g, m, false); },
     [](Game& g, CardSprite&) { GatherLands(g, PlayState::TheyTakeSweep); }},
    {PlayState::WeTakeCapture, [](Game& g, bool m) { StepToSide(g, m, true); },
     [](Game& g, CardSprite&) { TakenCardsLand(g, TakeCardsOurs); }},
    {PlayState::TheyTakeCapture, [](Game& g, bool m) { StepToSide(g, m, false); },
     [](Game& g, CardSprite&) { TakenCardsLand(g, TakeCardsTheirs); }},
    {PlayState::WeTakeSweep, [](Game& g, bool m) { StepSweep(g, m, true); },
     [](Game& g, CardSprite&) { TakenCardsLand(g, TakeSweepOurs); }},
    {PlayState::TheyTakeSweep, [](Game& g, bool m) { StepSweep(g, m, false); },
     [](Game& g, CardSprite&) { TakenCardsLand(g, TakeSweepTheirs); }},
    {PlayState::WeTakeRemainder, [](Game& g, bool m) { StepRemainder(g, m, true); },
     [](Game& g, CardSprite&) { EndHandWithRemainder(g, TakeCardsOurs); }},
    {PlayState::TheyTakeRemainder, [](Game& g, bool m) { StepRemainder(g, m, false); },
     [](Game& g, CardSprite&) { EndHandWithRemainder(g, TakeCardsTheirs); }},
    {PlayState::SortGatherHand, [](Game& g, bool m) { StepSort(g, m, true); },
     [](Game& g, CardSprite&) { SortGatherLands(g); }},
    {PlayState::SortSpreadHand, [](Game& g, bool m) { StepSort(g, m, false); },
     [](Game& g, CardSprite&) { SortSpreadLands(g); }},
    {PlayState::HandOver, [](Game&, bool) {}, LandsNothing},
}};

constexpr bool RowsInStateOrder() {
  for (std::size_t i = 0; i < kPlayStates.size(); ++i) {
    if (static_cast<std::size_t>(kPlayStates[i].state) != i) return false;
  }
  return true;
}
static_assert(RowsInStateOrder(), "one row per play state, in the enum's order");

const PlayStateRow& RowOf(PlayState state) {
  return kPlayStates[static_cast<std::size_t>(state)];
}

void RunLanding(Game& game, CardSprite& sprite) {
  RowOf(game.turn.GameState).land(game, sprite);
}

}  // namespace

void RequestHandSort(Game& game) {
  TurnState& turn = game.turn;
  const bool wholeHand = game.piles.HandCount[0] >= game.settings.Rules.CardsPerHand;
  if (turn.GameState != PlayState::NormalPlay || !wholeHand || turn.CurrentSeat != 0 ||
      AnyCardMoving(game.piles)) {
    return;
  }
  turn.StateBeforeSort = turn.GameState;
  EnterState(turn, PlayState::SortGatherHand);
}

void StepGameState(Game& game, std::uint64_t tickNow) {
  game.turn.TickNow = tickNow;
  RowOf(game.turn.GameState).step(game, AnyCardMoving(game.piles));
}

bool CardArrived(Game& game, CardSprite& sprite) {
  if (!Arrives(game.layout, sprite)) return false;
  RunLanding(game, sprite);
  return true;
}

}  // namespace verlano
