#include "game/landings.h"

#include "game/engine_view.h"
#include "game/hand_sort.h"
#include "game/play_outcome.h"
#include "game/table_bookkeeping.h"
#include "game/turn_pause.h"
#include "rules/game.h"

namespace verlano {

namespace {

void PauseUnlessJustEnded(Game& game) {
  if (!game.turn.PauseJustEnded) StartPause(game, static_cast<std::uint32_t>(game.layout.PauseMs));
}

}  // namespace

void PlayedCardLands(Game& game, CardSprite& s) {
  game.piles.CardsPlayed += 1;
  PutOnTable(game, s);
  ParkPlayedSprite(game, s);
  s.Present = false;
  DecideCapture(game, game.turn.CurrentSeat == 0 ? FirstCaptureSize(game) : 0);
  if (game.turn.HumanPlayed) game.turn.WaitingForHuman = false;
  if (game.turn.GameState == PlayState::NormalPlay) CheckHandEnd(game);
  PauseUnlessJustEnded(game);
}

void DealtCardLands(Game& game, CardSprite& s) {
  PutInHand(game, s);
  ParkDeckSprite(s);
  const int dealt = game.deal.CardsDealtToHands;
  if (TableBreakAfter(game.settings.Rules, dealt)) {
    EnterState(game.turn, PlayState::DealingToTable);
  }
  if (dealt == 4 * game.settings.Rules.CardsPerHand) {
    EnterState(game.turn, game.settings.Rules.TableCardsAtDeal > 0 ? PlayState::RevealingTable
                                                                  : PlayState::NormalPlay);
    game.turn.CurrentSeat = (game.turn.CurrentSeat + 3) % 4;
  }
  LayOutDeckStack(game);
}

void TableDealtCardLands(Game& game, CardSprite& s) {
  PutOnTable(game, s);
  ParkDeckSprite(s);
  game.deal.TableDealCount += 1;
  if (game.deal.TableDealCount == TableCardsPerBreak(game.settings.Rules)) {
    game.deal.TableDealCount = 0;
    EnterState(game.turn, PlayState::DealingCards);
  }
}

void HumanGatherLands(Game& game) {
  StopTableMoves(game);
  const bool sweep = CommitHumanCapture(game) && game.turn.CurrentSeat == 0;
  EnterState(game.turn, sweep ? PlayState::WeTakeSweep : PlayState::WeTakeCapture);
}

void GatherLands(Game& game, PlayState next) {
  StopTableMoves(game);
  EnterState(game.turn, next);
}

void TakenCardsLand(Game& game, void (*take)(Game&)) {
  NoteLastCapture(game);
  BookTakenCards(game, take);
  EnterState(game.turn, PlayState::NormalPlay);
  CheckHandEnd(game);
}

void SortGatherLands(Game& game) {
  StopHandSprites(game);
  SortHand(game);
  EnterState(game.turn, PlayState::SortSpreadHand);
}

void SortSpreadLands(Game& game) {
  StopHandSprites(game);
  EnterState(game.turn, game.turn.StateBeforeSort);
}

}  // namespace verlano
