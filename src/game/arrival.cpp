#include "game/arrival.h"

#include "game/hand_sort.h"
#include "game/state_machine.h"
#include "game/table_bookkeeping.h"
#include "rules/flight.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr std::uint32_t kLandingPauseMs = 700;

void PauseUnlessJustEnded(Game& game) {
  if (!game.turn.PauseJustEnded) StartPause(game, kLandingPauseMs);
}

void PlayedCardLands(Game& game, CardSprite& s) {
  game.piles.CardsPlayed += 1;
  PutOnTable(game, s);
  ParkPlayedSprite(game, s);
  s.Present = false;
  DecideCapture(game);
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
  BookTakenCards(game, take);
  game.turn.GameState = PlayState::NormalPlay;
  CheckHandEnd(game);
}

}  // namespace

bool CardArrived(Game& game, CardSprite& sprite) {
  if (!sprite.Moving || !NearTarget(game.layout, sprite)) return false;
  sprite.Moving = false;
  switch (game.turn.GameState) {
    case PlayState::NormalPlay:
      PlayedCardLands(game, sprite);
      break;
    case PlayState::DealingCards:
      DealtCardLands(game, sprite);
      break;
    case PlayState::Deal2:
      TableDealtCardLands(game, sprite);
      break;
    case PlayState::WeGettingCardsGathering:
      HumanGatherLands(game);
      break;
    case PlayState::TheyGettingCardsGathering:
      GatherLands(game, PlayState::TheyGettingCards);
      break;
    case PlayState::WeGettingDrevGathering:
      GatherLands(game, PlayState::WeGettingDrev);
      break;
    case PlayState::TheyGettingDrevGathering:
      GatherLands(game, PlayState::TheyGettingDrev);
      break;
    case PlayState::WeGettingCards:
      TakenCardsLand(game, TakeCardsOurs);
      break;
    case PlayState::TheyGettingCards:
      TakenCardsLand(game, TakeCardsTheirs);
      break;
    case PlayState::WeGettingDrev:
      TakenCardsLand(game, TakeSweepOurs);
      break;
    case PlayState::TheyGettingDrev:
      TakenCardsLand(game, TakeSweepTheirs);
      break;
    case PlayState::OurRemainders:
      EndHandWithRemainder(game, TakeCardsOurs);
      break;
    case PlayState::TheirRemainders:
      EndHandWithRemainder(game, TakeCardsTheirs);
      break;
    case PlayState::GatherAroundFirstCard:
      StopHandSprites(game);
      SortHand(game);
      game.turn.GameState = PlayState::SpreadAheadFirstCard;
      break;
    case PlayState::SpreadAheadFirstCard:
      StopHandSprites(game);
      game.turn.GameState = game.turn.StateBeforeSort;
      break;
    default:
      break;
  }
  return true;
}

}  // namespace verlano
