#include "game/landings.h"

#include "game/engine_view.h"
#include "game/hand_sort.h"
#include "game/table_bookkeeping.h"
#include "game/turn_pause.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr std::uint32_t kLandingPauseMs = 700;

void PauseUnlessJustEnded(Game& game) {
  if (!game.turn.PauseJustEnded) StartPause(game, kLandingPauseMs);
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
    game.turn.GameState = PlayState::Deal2;
  }
  if (dealt == 4 * game.settings.Rules.CardsPerHand) {
    game.turn.GameState =
        game.settings.Rules.TableCardsAtDeal > 0 ? PlayState::RevealDeal : PlayState::NormalPlay;
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
    game.turn.GameState = PlayState::DealingCards;
  }
}

void HumanGatherLands(Game& game) {
  StopTableMoves(game);
  game.turn.GameState = PlayState::WeGettingCards;
  if (CommitHumanCapture(game) && game.turn.CurrentSeat == 0) {
    game.turn.GameState = PlayState::WeGettingDrev;
  }
}

void GatherLands(Game& game, PlayState next) {
  StopTableMoves(game);
  game.turn.GameState = next;
}

void TakenCardsLand(Game& game, void (*take)(Game&)) {
  NoteLastCapture(game);
  BookTakenCards(game, take);
  game.turn.GameState = PlayState::NormalPlay;
  CheckHandEnd(game);
}

void SortGatherLands(Game& game) {
  StopHandSprites(game);
  SortHand(game);
  game.turn.GameState = PlayState::SpreadAheadFirstCard;
}

void SortSpreadLands(Game& game) {
  StopHandSprites(game);
  game.turn.GameState = game.turn.StateBeforeSort;
}

}  // namespace verlano
